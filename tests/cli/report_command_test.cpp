#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/test_folder.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::RunInFolder;
using testing::TestFolder;

// The bundled study area on Maricopa's measured days, run once for the suite.
class ReportCommand : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TestFolder;
    folder_->CopyExamples({"MARIC.day", "SA00001.csv"});
    const auto run = RunInFolder(*folder_,
                                 "\"$CLI\" run --input day --station MARIC --lat 33.07 --elev 361 "
                                 "--sa 1");
    ASSERT_EQ(run.status, 0) << run.err;
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  static std::vector<std::vector<std::string>> CsvRows() {
    const auto file = ReadTextFile(*folder_ / "WaterBudgetforSA00001.csv");
    std::vector<std::vector<std::string>> rows;
    // The budget's rows end at the blank line before the monthly delivery.
    for (size_t i = 3; i < file->lines.size() && !file->lines[i].empty(); ++i) {
      rows.push_back(SplitFieldsFromRight(file->lines[i], 17));
    }
    return rows;
  }

  static TestFolder* folder_;
};

TestFolder* ReportCommand::folder_ = nullptr;

TEST_F(ReportCommand, AcreFeetOfEveryCropAddUpToTheStudyArea) {
  const auto result = RunInFolder(*folder_, "\"$CLI\" report --sa 1 --units acre-ft");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Water budget of study area 00001: 6 crops, 18 years (2003-2020)"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("WaterBudgetforSA00001.csv"), std::string::npos);

  const auto rows = CsvRows();
  ASSERT_EQ(rows.size(), 7u);
  double area = 0.0;
  double volume = 0.0;
  for (size_t k = 0; k < 6; ++k) {
    const auto& f = rows[k];
    const double crop_area = ParseFloat(f[2]);
    const double etaw = ParseFloat(f[3]);
    EXPECT_NEAR(ParseFloat(f[5]), etaw * crop_area * 10.0 / 1233.48, 0.01) << f[1];
    EXPECT_GT(ParseFloat(f[6]), 0.0f) << "irrigations of " << f[1];
    for (size_t s = 7; s < 11; ++s) EXPECT_LE(ParseFloat(f[s]), ParseFloat(f[s + 1])) << f[1];
    area += crop_area;
    volume += ParseFloat(f[5]);
  }
  EXPECT_EQ(rows[6][0], "Total");
  EXPECT_EQ(ParseFloat(rows[6][2]), area);
  EXPECT_NEAR(ParseFloat(rows[6][5]), volume, 0.03);
}

// A lettuce field of 40 ha on Maricopa's 18 years: the monthly delivery is the depth of its
// irrigation events times the area, worked out here from the events file by a calendar of our own.
TEST(ReportDelivery, LettuceDeliveryIsItsIrrigationDepthsTimesItsArea) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day"});
  const auto run = RunInFolder(folder,
                               "\"$CLI\" crop add --sa 2 --crop Lettuce --area 40 && \"$CLI\" run "
                               "--input day --station MARIC --lat 33.07 --elev 361 --sa 2 && "
                               "\"$CLI\" report --sa 2");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Monthly irrigation delivered by the model, m3, for a delivery schedule"),
            std::string::npos)
      << run.out;

  constexpr int kYears = 18;
  constexpr double kArea = 40.0;
  std::vector<double> cubic_metres(13, 0.0);
  const auto events = ReadTextFile(folder / "IrrigationEventsforSA00002.ire");
  for (size_t i = 3; i < events->lines.size(); ++i) {
    const auto f = SplitFieldsFromRight(events->lines[i], 6);
    const int year = ParseInt(Trim(f[2]));
    int day = ParseInt(Trim(f[3]));
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int lengths[12] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (day > lengths[month]) day -= lengths[month++];
    const double volume = ParseFloat(f[5]) * kArea * 10.0;
    cubic_metres[static_cast<size_t>(month)] += volume;
    cubic_metres[12] += volume;
  }
  ASSERT_GT(cubic_metres[12], 0.0);

  const auto budget = ReadTextFile(folder / "WaterBudgetforSA00002.csv");
  const std::string mean_row_start = "1,Lettuce,Mean,";
  const auto mean_row =
      std::find_if(budget->lines.begin(), budget->lines.end(),
                   [&](const std::string& line) { return line.starts_with(mean_row_start); });
  ASSERT_NE(mean_row, budget->lines.end());
  const auto f = SplitFieldsFromRight(*mean_row, 16);
  for (size_t column = 0; column < 13; ++column) {
    EXPECT_NEAR(ParseFloat(f[column + 3]), cubic_metres[column] / kYears, 0.5) << column;
  }
}

TEST_F(ReportCommand, BadStudyAreasAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* what;
    std::string prepare;
    std::string message;
  };
  const Case cases[] = {
      {"a study area without a crop file", "true",
       "kelvaro-cli: SA00002.CSV is missing: study area 2 has no crop file\n"},
      {"a study area without results", "cp SA00001.csv SA00002.csv",
       "kelvaro-cli: SumofETAWforSA00002.saw is missing: study area 2 has no results yet; run "
       "it first\n"},
      {"a crop file with a crop fewer than the run",
       "cp SumofETAWforSA00001.saw SumofETAWforSA00002.saw && head -n 8 SA00001.csv > "
       "SA00002.csv",
       "kelvaro-cli: SA00002.csv holds 5 crops but the last run had 6 "
       "(SumofETAWforSA00002.saw); the crop file has changed since: run study area 2 again\n"},
  };
  for (const Case& c : cases) {
    TestFolder scratch;
    for (const char* name : {"SA00001.csv", "SumofETAWforSA00001.saw"}) {
      scratch.Write(name, folder_->Read(name));
    }
    ASSERT_EQ(RunInFolder(scratch, c.prepare).status, 0) << c.what;
    const std::string before = scratch.Listing();
    const auto result = RunInFolder(scratch, "\"$CLI\" report --sa 2");
    EXPECT_EQ(result.status, 2) << c.what;
    EXPECT_EQ(result.err, c.message) << c.what;
    EXPECT_EQ(scratch.Listing(), before) << c.what;
  }
}

TEST_F(ReportCommand, ChartsAreDrawnIntoTheFileNamedAndRefusedWithoutWhatTheyNeed) {
  TestFolder out;
  const std::string svg = (out / "corn.svg").string();
  const auto drawn = RunInFolder(*folder_,
                                 "\"$CLI\" chart season --sa 1 --crop 3 --year 2005 "
                                 "--out '" +
                                     svg + "'");
  if (drawn.err.find("built without charts") != std::string::npos) {
    EXPECT_EQ(drawn.status, 1);
    GTEST_SKIP() << "kelvaro-cli was built without the desktop program";
  }
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.out, "  " + svg + ": Corn (grain), study area 00001, 2005\n");
  EXPECT_EQ(out.Read("corn.svg").substr(0, 5), "<?xml");

  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"chart season --out s.png", 2, "A season chart needs --sa\n"},
      {"chart daily-stats --out s.png", 2, "A daily-stats chart needs --station\n"},
      {"chart season --sa 1 --out s.bmp", 1,
       "kelvaro-cli: s.bmp: a chart is written as .png or .svg\n"},
      {"chart season --sa 1 --year 1950 --out s.png", 1,
       "kelvaro-cli: SA00001C001.CSV holds no days of 1950 (it holds 2003-2020)\n"},
      {"chart daily-stats --station MARIC --variable Wnd --out s.png", 1,
       "kelvaro-cli: 'Wnd' is not a variable of this chart; it knows Solar, TMax, TMin, Wind, "
       "Td, Pcp, ETo\n"},
      {"chart daily-stats --station MARIC --variable wind --out s.png", 1,
       "kelvaro-cli: MARIC.avg is missing; the statistics of the working file write it "
       "(kelvaro-cli stats)\n"},
      {"chart generator-check --station MARIC --out s.png", 1,
       "kelvaro-cli: GeneratorCheckforMARIC.csv is missing; a generator check writes it\n"},
  };
  const std::string before = folder_->Listing();
  for (const Case& c : cases) {
    const auto result = RunInFolder(*folder_, "\"$CLI\" " + c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.err, c.message) << c.arguments;
  }
  EXPECT_EQ(folder_->Listing(), before);
}

}  // namespace
}  // namespace kelvaro
