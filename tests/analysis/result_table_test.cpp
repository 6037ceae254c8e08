// Files of every kind as tables: which header line names the columns, units, numbers.
#include "analysis/result_table.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace kelvaro {
namespace {

TextFile Lines(std::vector<std::string> lines) { return TextFile{"file", std::move(lines)}; }

TEST(ResultTable, AShortFirstLineIsTheTitleAndTheUnitsFollowTheNames) {
  const ResultTable table = MakeResultTable(Lines({
      " Corn (grain),SA00001C1.13105258MNHks1.0000IF30Y",
      "Year, DOY,OKc,IKc,CCKc,ETo,Kc,ETc,Pcp,SWD,SWDx,FC,PWP,SWC,YTD",
      "   #,   #,   ,   ,    , mm,  , mm, mm, mm,  mm,  mm,  mm,  mm,  mm",
      "2003,   1, 1.028, 0.000, 0.000, 1.450, 1.028, 1.491, 0.000, 1.491, 26.250,533.400,"
      "266.700,531.909,507.150",
      "",
      "2003,   2, 0.998, 0.000, 0.000, 2.710, 0.998, 2.704, 0.000, 4.195, 26.250,533.400,"
      "266.700,529.205,507.150",
  }));
  EXPECT_EQ(table.title, "Corn (grain),SA00001C1.13105258MNHks1.0000IF30Y");
  ASSERT_EQ(table.columns.size(), 15u);
  EXPECT_EQ(table.columns[0], "Year");
  EXPECT_EQ(table.columns[2], "OKc");
  EXPECT_EQ(table.columns[5], "ETo (mm)");
  EXPECT_EQ(table.columns[14], "YTD (mm)");
  ASSERT_EQ(table.rows.size(), 2u);  // the blank line is no row
  EXPECT_EQ(table.rows[1][5], "2.710");
  for (bool numeric : table.numeric) EXPECT_TRUE(numeric);
}

TEST(ResultTable, TheCropFilesThreeLinesMakeItsColumnNames) {
  const auto file = ReadTextFile(testing::ExamplePath("SA00001.csv"));
  const ResultTable table = MakeResultTable(*file);
  EXPECT_EQ(table.title, "");
  ASSERT_EQ(table.columns.size(), 31u);
  EXPECT_EQ(table.columns[0], "Code");
  EXPECT_EQ(table.columns[2], "Starting Date (DOY)");
  EXPECT_EQ(table.columns[4], "Planted Area (hectares)");
  EXPECT_EQ(table.columns[30], "Column 31");
  EXPECT_EQ(table.rows.size(), 6u);
  EXPECT_FALSE(table.numeric[0]);  // crop codes
  EXPECT_FALSE(table.numeric[1]);  // crop names
  EXPECT_TRUE(table.numeric[4]);
  EXPECT_FALSE(table.numeric[29]);  // the pre-irrigation letter
}

TEST(ResultTable, RowsOfDifferentLengthsAreSquaredAndMixedColumnsAreText) {
  const ResultTable table = MakeResultTable(Lines({"title", "A,B", "", "1,2,3", "4", "x,5"}));
  ASSERT_EQ(table.columns.size(), 3u);
  EXPECT_EQ(table.columns[2], "Column 3");
  EXPECT_EQ(table.rows[1], (std::vector<std::string>{"4", "", ""}));
  EXPECT_FALSE(table.numeric[0]);
  EXPECT_TRUE(table.numeric[1]);
  EXPECT_TRUE(table.numeric[2]);
  EXPECT_TRUE(MakeResultTable(Lines({})).rows.empty());
}

TEST(ResultTable, CellNumbersReadAsTheFilesWriteThem) {
  EXPECT_EQ(CellNumber("  -999.00"), -999.0);
  EXPECT_EQ(CellNumber("1e3"), 1000.0);
  EXPECT_EQ(CellNumber("+2.5"), 2.5);
  EXPECT_FALSE(CellNumber("12,5").has_value());
  EXPECT_FALSE(CellNumber("Y").has_value());
  EXPECT_FALSE(CellNumber("").has_value());
  EXPECT_FALSE(CellNumber("1.2.3").has_value());
}

}  // namespace
}  // namespace kelvaro
