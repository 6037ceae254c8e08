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

struct KindCase {
  const char* ext;
  size_t line_count;
  const char* column_line;
  const char* unit_line;
  const char* first_row;
  const char* last_row;
  long fields_per_row;  // commas + 1
};

const KindCase kKinds[] = {
    {"dpn", 368, "Year,Mon,Day,DOY, Pcp,EPan", "   #,  #,  #,  #,  mm,  mm", ",,,1", ",,,365", 4},
    {"day", 368, "Year,Mon,Day,DOY, Solar,TMax,TMin,Wind,Td,Pcp",
     "   #,  #,  #,  #, MJ/m^2,oC,oC,m/s,oC,mm", ",,,1", ",,,365", 4},
    {"mon", 15, "   Mo,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan",
     "    #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm ",
     "1,,,,,,,,-999", "12,,,,,,,,-999", 9},
    {"dmn", 368, "Year,Mon,Day,DOY,Solar,TMax,TMin,Wind,Td,Pcp", "#,#,#,#,MJ/m^2,oC,oC,m/s,oC,mm",
     ",,,1", ",,,365", 4},
    {"mpn", 15, "Mo,  Solar,   TMax,   TMin,   Wind,     Td,    Pcp,    NRD,    Pan,    ETo",
     "#, MJ/m^2,     oC,     oC,    m/s,     oC,     mm,      #,     mm,     mm",
     "1,-999,,,-999,-999,,,,-999", "12,-999,,,-999,-999,,,,-999", 10},
    {"etm", 15,
     "Mon,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     NRD,     Pan,     ETo",
     "  #,   J/m^2,     oC,       oC,     m/s,      oC,      mm,       #,      mm,       mm",
     "1,-999,,,-999,-999,,,-999", "12,-999,,,-999,-999,,,-999", 9},
    {"det", 368, "Year, Mon, Day, DOY,   Pcp,ETo", "   #,   #,   #,   #,    mm,  mm", ",,,1",
     ",,,365", 4},
    {"mtm", 15,
     "Mon,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     NRD,     Pan,     ETo",
     "  #,   J/m^2,     oC,       oC,     m/s,      oC,      mm,       #,      mm,       mm",
     "1,-999,,,-999,-999,,,-999,-999", "12,-999,,,-999,-999,,,-999,-999", 10},
    {"dtm", 368, "Year,Mon,Day,DOY,TMax,TMin,Pcp", "   #,  #,  #,  #,oC,oC,mm", ",,,1", ",,,365",
     4},
    {"rtm", 368, "Year,Mon,Day,DOY,TMax,TMin,Pcp", "   #,  #,  #,  #,oC,oC,mm", ",,,1", ",,,365",
     4},
};

TEST(InputTemplates, EveryKindHasItsHeaderLinesAndRowShape) {
  ASSERT_EQ(std::size(kKinds), kInputTemplateKinds.size());
  for (size_t i = 0; i < std::size(kKinds); ++i) {
    const KindCase& expected = kKinds[i];
    SCOPED_TRACE(expected.ext);
    EXPECT_EQ(kInputTemplateKinds[i].ext, expected.ext);  // the dialog's order
    const auto lines = InputTemplateLines(kInputTemplateKinds[i], "X", "", "");
    ASSERT_EQ(lines.size(), expected.line_count);
    EXPECT_EQ(lines[0], std::string("X.") + expected.ext + ",,");
    EXPECT_EQ(lines[1], expected.column_line);
    EXPECT_EQ(lines[2], expected.unit_line);
    EXPECT_EQ(lines[3], expected.first_row);
    EXPECT_EQ(lines.back(), expected.last_row);
    for (size_t row = 3; row < lines.size(); ++row) {
      EXPECT_EQ(std::count(lines[row].begin(), lines[row].end(), ',') + 1, expected.fields_per_row)
          << lines[row];
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
