#include "weatherio/input_templates.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvaro {
namespace {

TEST(InputTemplates, DailyTemplateOfDavisHasItsStationLineAnd365Rows) {
  const auto lines = InputTemplateLines(*FindInputTemplateKind("day"), "Davis", "38.5", "18.5");
  ASSERT_EQ(lines.size(), 368u);
  EXPECT_EQ(lines.front(), "Davis.day,38.5,18.5");
  EXPECT_EQ(lines[1], "Year,Mon,Day,DOY, Solar,TMax,TMin,Wind,Td,Pcp");
  EXPECT_EQ(lines[2], "   #,  #,  #,  #, MJ/m^2,oC,oC,m/s,oC,mm");
  EXPECT_EQ(lines[3], ",,,1");
  EXPECT_EQ(lines.back(), ",,,365");
}

TEST(InputTemplates, MonthlyTemplateHasTwelveRows) {
  const auto lines = InputTemplateLines(*FindInputTemplateKind("mon"), "Davis", "38.5", "18.5");
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[3], "1,,,,,,,,-999");
  EXPECT_EQ(lines.back(), "12,,,,,,,,-999");
}

size_t FieldCount(std::string_view line) {
  return static_cast<size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

// Each kind's template is the station line, a unit under every column, and its rows numbered in
// order: the 365 days of a year or the twelve months, a month's row one cell per column (an etm
// row leaves out the ETo the user adds).
TEST(InputTemplates, EveryKindHasAUnitPerColumnAndRowsInOrder) {
  for (const InputTemplateKind& kind : kInputTemplateKinds) {
    SCOPED_TRACE(kind.ext);
    EXPECT_EQ(FindInputTemplateKind(kind.ext)->ext, kind.ext);
    const auto lines = InputTemplateLines(kind, "X", "", "");
    const size_t rows = kind.rows.daily ? 365 : 12;
    ASSERT_EQ(lines.size(), 3 + rows);
    EXPECT_EQ(lines[0], "X." + std::string(kind.ext) + ",,");
    EXPECT_EQ(FieldCount(lines[1]), FieldCount(lines[2]));
    const size_t row_fields = kind.ext == "etm" ? FieldCount(lines[1]) - 1 : FieldCount(lines[1]);
    for (size_t row = 1; row <= rows; ++row) {
      const std::string& line = lines[2 + row];
      if (kind.rows.daily) {
        EXPECT_EQ(line, ",,," + std::to_string(row));
      } else {
        EXPECT_TRUE(line.starts_with(std::to_string(row) + ",")) << line;
        EXPECT_EQ(FieldCount(line), row_fields) << line;
      }
    }
  }
}

TEST(InputTemplates, UnknownKindIsNotFound) {
  EXPECT_FALSE(FindInputTemplateKind("wrk"));
  EXPECT_FALSE(FindInputTemplateKind(""));
}

// Texts a run would refuse, or read under another name or number, with the field they name.
TEST(InputTemplates, TextsARunWouldReadOtherwiseAreRefused) {
  const struct {
    const char* name;
    const char* latitude;
    const char* elevation;
    TemplateField field;
    const char* message;
  } cases[] = {
      {"", "38.5", "18", TemplateField::kName, "Enter the station name"},
      {"Maricopa", "33.07", "361", TemplateField::kName,
       "Station name 'Maricopa' is longer than five characters: a run reads the file its first "
       "five name (Maric.day); type Maric or another name of five"},
      {"Mar c", "33.07", "361", TemplateField::kName,
       "Station name 'Mar c' may hold only letters A-Z, digits, '-' and '_': a run cannot be "
       "given it otherwise"},
      {"../MA", "33.07", "361", TemplateField::kName,
       "Station name '../MA' may hold only letters A-Z, digits, '-' and '_': a run cannot be "
       "given it otherwise"},
      {"MARIC", "abc", "361", TemplateField::kLatitude,
       "Latitude: 'abc' is not a valid floating point value"},
      {"MARIC", "33.07.1", "361", TemplateField::kLatitude,
       "Latitude: '33.07.1' is not a valid floating point value"},
      {"MARIC", "999", "361", TemplateField::kLatitude,
       "Latitude should be between -90 and 90 degrees"},
      {"MARIC", "-90", "361", TemplateField::kLatitude,
       "Latitude should be between -90 and 90 degrees"},
      {"MARIC", "33.075", "361", TemplateField::kLatitude,
       "Latitude '33.075' would be read as '33.07': a run reads its first five characters; type "
       "at most five"},
      {"MARIC", "", "361", TemplateField::kLatitude, "Enter the latitude in degrees"},
      {"MARIC", "33.07", "4000", TemplateField::kElevation,
       "Elevation should be between -200 and 4000 meters"},
      {"MARIC", "33.07", "1e3", TemplateField::kElevation, ""},  // no problem: read as typed
  };
  for (const auto& c : cases) {
    const auto problems =
        InputTemplateProblems(*FindInputTemplateKind("day"), c.name, c.latitude, c.elevation);
    if (c.message[0] == '\0') {
      EXPECT_TRUE(problems.empty()) << c.elevation;
      continue;
    }
    ASSERT_EQ(problems.size(), 1u) << c.message;
    EXPECT_EQ(problems[0].field, c.field);
    EXPECT_EQ(problems[0].message, c.message);
  }
}

}  // namespace
}  // namespace kelvaro
