#include "stats/weather_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/reporter.h"
#include "stats/stats_test_support.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;

constexpr const char* kStatisticsExtensions[] = {"avg", "sdv", "cov", "wxr", "std", "cve"};

class WeatherStatisticsTest : public ::testing::Test {
 protected:
  void CopyTwoYears(const std::string& as) const {
    folder_.Write(as, ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
  }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

// Two years of Maricopa (2004 a leap year) with a missing value in each column on some day.
TEST_F(WeatherStatisticsTest, TwoYearWorkingFileGivesTheSixFiles) {
  CopyTwoYears("MARST.wrk");
  ASSERT_TRUE(WeatherStatistics("MARST", session_));
  for (const char* ext : kStatisticsExtensions) {
    ExpectMatchesGolden(folder_.Read(std::string("MARST.") + ext),
                        std::string("stats/MARST.") + ext);
  }
  EXPECT_TRUE(reporter_.boxes().empty());
  // Every day of year has temperatures and radiation, so each is recomputed by Penman-Monteith.
  EXPECT_EQ(reporter_.traces(), std::vector<std::string>(366, "enter penman"));
}

TEST_F(WeatherStatisticsTest, KeepsItsOwnPiWhateverGlobalPiIs) {
  CopyTwoYears("MARST.wrk");
  session_.UseShortPi();
  ASSERT_TRUE(WeatherStatistics("MARST", session_));
  ExpectMatchesGolden(folder_.Read("MARST.avg"), "stats/MARST.avg");
}

TEST_F(WeatherStatisticsTest, NameIsFoundWithoutRegardToCaseAndPrintedInUpperCase) {
  CopyTwoYears("MARST.WRK");
  ASSERT_TRUE(WeatherStatistics("marst", session_));
  EXPECT_EQ(folder_.Read("marst.avg").substr(0, 47),
            " Daily Mean Values of MARST,Number of years= 2\n");
}

TEST_F(WeatherStatisticsTest, WorkingFileThatCannotBeOpenedWritesNothing) {
  EXPECT_FALSE(WeatherStatistics("Davis", session_));
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(WeatherStatisticsTest, BadLineWritesNothingAndLeavesEarlierResults) {
  CopyTwoYears("MARST.wrk");
  ASSERT_TRUE(WeatherStatistics("MARST", session_));
  const std::string listing = folder_.Listing();
  const std::string earlier = folder_.Read("MARST.avg");

  std::string text = ReadBytes(testing::GoldenInputPath("stats/MARST.wrk"));
  text += "  2005,   1,   1,   1,   12.48,   17.50,   -0.50,    0.92,   -0.10,    0.00\n";
  folder_.Write("MARST.wrk", text);
  try {
    WeatherStatistics("MARST", session_);
    ADD_FAILURE() << "a short line was accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()), "MARST.wrk, line 735: expected 11 fields, found 10");
  }
  EXPECT_EQ(folder_.Listing(), listing);
  EXPECT_EQ(folder_.Read("MARST.avg"), earlier);
}

TEST(WeatherStatistics, BadContentsNameTheFileAndLineAndWriteNothing) {
  const std::string header = testing::WorkingFileText({});
  const std::string day_one = " 2003,1,1,1,10,20,5,2,3,0,1\n";
  testing::ExpectEachRefused(
      "T.wrk",
      {
          {"empty file", "", "T.wrk is empty"},
          {"header only", header, "T.wrk holds no daily weather"},
          {"station line only", " T,38.5,18.5\n", "T.wrk holds no daily weather"},
          {"no elevation", " T,38.5\n", "T.wrk, line 1: expected 3 fields, found 2"},
          {"latitude not a number", " T,north,18\n",
           "T.wrk, line 1: 'north' is not a valid floating point value"},
          {"latitude beyond the pole", " T,95,18\n",
           "T.wrk, line 1: Latitude 95 is outside -90..90 degrees"},
          {"short line", header + " 2003,1,1,1,10,20,5,2,3,0\n",
           "T.wrk, line 4: expected 11 fields, found 10"},
          {"letter in a number", header + " 2003,1,1,1,10,2O,5,2,3,0,1\n",
           "T.wrk, line 4: TMax '2O' is not a valid floating point value"},
          {"fractional DOY after a blank line", header + "\n 2003,1,1,1.5,10,20,5,2,3,0,1\n",
           "T.wrk, line 5: DOY '1.5' is not a valid integer value"},
          {"DOY 367", header + " 2003,1,1,367,10,20,5,2,3,0,1\n",
           "T.wrk, line 4: DOY 367 is outside 1..366"},
          {"DOY 0", header + " 2003,1,1,0,10,20,5,2,3,0,1\n",
           "T.wrk, line 4: DOY 0 is outside 1..366"},
          {"month 13", header + day_one + " 2003,13,1,2,10,20,5,2,3,0,1\n",
           "T.wrk, line 5: Mon 13 is outside 1..12"},
          {"rain out of bounds", header + " 2003,1,1,1,10,20,5,2,3,2500,1\n",
           "T.wrk, line 4: Pcp 2500 is outside 0..2000 mm"},
          {"solar too large to sum", header + " 2003,1,1,1,1e30,20,5,2,3,0,1\n",
           "T.wrk, line 4: Solar 1e+30 is too large for the statistics"},
          {"month 0", header + " 2003,0,1,2,10,20,5,2,3,0,1\n",
           "T.wrk, line 4: Mon 0 is outside 1..12"},
      },
      [](Session& session) { WeatherStatistics("T", session); });
}

TEST_F(WeatherStatisticsTest, UnsafeNameIsRefused) {
  EXPECT_THROW(WeatherStatistics("../MARST", session_), InputError);
}

TEST_F(WeatherStatisticsTest, EveryFileHasAllRowsEvenWithoutRecords) {
  folder_.Write("ONE.wrk", testing::WorkingFileText({testing::WorkedDay()}));
  ASSERT_TRUE(WeatherStatistics("ONE", session_));
  const std::string daily = folder_.Read("ONE.avg");
  EXPECT_EQ(std::count(daily.begin(), daily.end(), '\n'), 3 + 366);
  EXPECT_NE(daily.find("\n    1,    0.00,    0.00,    0.00,    0.00,    0.00,    0.00,    0.00\n"),
            std::string::npos);
  EXPECT_NE(daily.find("\n  266,   19.30,   30.10,   14.00,    2.60,    7.50,    0.00,    5.45\n"),
            std::string::npos);
  const std::string monthly = folder_.Read("ONE.cve");
  EXPECT_EQ(std::count(monthly.begin(), monthly.end(), '\n'), 3 + 12);
  EXPECT_EQ(daily.substr(0, 47), " Daily Mean Values of   ONE,Number of years= 0\n");
}

}  // namespace
}  // namespace kelvaro
