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

}  // namespace
}  // namespace kelvaro
