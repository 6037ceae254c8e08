#include "eto/daily_output.h"

#include <gtest/gtest.h>

#include "eto/station_network_day.h"
#include "session/reporter.h"
#include "support/example_conversions.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;

RunParameters Station(const std::string& ext) { return testing::StationRun("STATN", ext); }

// The data lines of a daily file, without its three header lines.
std::string DataLines(const std::string& text) {
  size_t start = 0;
  for (int line = 0; line < 3; ++line) start = text.find('\n', start) + 1;
  return text.substr(start);
}

class DailyOutputTest : public ::testing::Test {
 protected:
  std::string Convert(const std::string& qrd, const std::string& ext = "qrd") {
    folder_.Write("STATN." + ext, qrd);
    DailyOutput(Station(ext), session_);
    return folder_.Read("STATN.day");
  }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST(StationNetworkDay, TwoDigitYears) {
  const std::pair<int, int> cases[] = {{60, 2060}, {61, 1961}, {99, 1999}, {0, 2000}, {3, 2003}};
  for (const auto& [two_digits, year] : cases) {
    EXPECT_EQ(FourDigitYear(two_digits), year) << two_digits;
  }
  EXPECT_EQ(ParseStationNetworkDay("6,600101,1,*,1,*,1,*,1,*,1,*,1,*,1").year_text, "2060");
  EXPECT_EQ(ParseStationNetworkDay("6,610101,1,*,1,*,1,*,1,*,1,*,1,*,1").year_text, "1961");
}

TEST(StationNetworkDay, MeanWattsBecomeDailyMegajoules) {
  const WeatherDay day = ParseStationNetworkDay("6,990101,1,*,250,*,20,*,5,*,2,*,3,*,4");
  EXPECT_NEAR(day.solar, 21.60f, 1e-5f);
  EXPECT_EQ(day.tmax, 20.0f);
  EXPECT_EQ(day.pcp, 3.0f);
  EXPECT_EQ(day.td, 4.0f);
}

TEST(StationNetworkDay, OneUnmeasuredValueMakesTheWholeDayMissing) {
  const std::string markers[] = {"M,250,*,20,*,5,*,2,*,3,*,4",  "*,250,M,20,*,5,*,2,*,3,*,4",
                                 "*,250,*,20,M,5,*,2,*,3,*,4",  "*,250,*,20,*,5,M,2,*,3,*,4",
                                 "*,250,*,20,*,5,*,2,M,3,*,4",  "*,250,*,20,*,5,*,2,*,3,M,4",
                                 "*,250,*,20,*,5,*,2,*,3, *,4", "*,-999,*,20,*,5,*,2,*,3,*,4"};
  for (const std::string& readings : markers) {
    const WeatherDay day = ParseStationNetworkDay("6,990101,1," + readings);
    for (float value : {day.solar, day.tmax, day.tmin, day.wind, day.td, day.pcp}) {
      EXPECT_EQ(value, kMissing) << readings;
    }
  }
}

TEST(StationNetworkDay, DewPointMarkerCountsByItsFirstCharacter) {
  EXPECT_EQ(ParseStationNetworkDay("6,990101,1,*,250,*,20,*,5,*,2,*,3,*Y,4.25").td, 4.25f);
}

TEST_F(DailyOutputTest, ExportBecomesTheDailyFile) {
  const std::string day = Convert(ReadBytes(testing::GoldenInputPath("daily_output/STATN.qrd")));
  EXPECT_TRUE(reporter_.boxes().empty());
  ExpectMatchesGolden(day, "daily_output/STATN.day");
}

TEST_F(DailyOutputTest, MeasuredRecordComesBackAsItWasExported) {
  const std::string maricopa = ReadBytes(testing::StationDataPath("MARIC.day"));
  const std::string day = Convert(testing::StationNetworkExportOf(maricopa), "cdm");
  EXPECT_EQ(DataLines(day), DataLines(maricopa));
}

TEST_F(DailyOutputTest, LastLineWithoutLineEndKeepsAllOfItsDewPoint) {
  const std::string day = Convert("6,990101,1,*,150,*,20,*,5,*,2,*,3,*,12.5");
  EXPECT_EQ(DataLines(day),
            " 1999,   1,   1,   1,   12.96,   20.00,    5.00,    2.00,   12.50,    3.00\n");
}

TEST_F(DailyOutputTest, TmaxBelowTminIsCountedBeforeItIsRaised) {
  const std::string day = Convert("6,990101,1,*,150,*,5,*,20,*,2,*,3,*,4");
  EXPECT_EQ(DataLines(day),
            " 1999,   1,   1,   1,   12.96,   20.00,   20.00,    2.00,    4.00,    3.00\n");
  EXPECT_EQ(reporter_.warnings(),
            Lines{"STATN.qrd: TMax is below TMin on 1 day (line 1, 1999-01-01); TMax was taken as "
                  "TMin"});
}

TEST_F(DailyOutputTest, LineEndsAndByteOrderMarkDoNotChangeTheResult) {
  const std::string lf = ReadBytes(testing::GoldenInputPath("daily_output/STATN.qrd"));
  ExpectMatchesGolden(Convert(testing::AsWindowsText(lf)), "daily_output/STATN.day");
}

TEST_F(DailyOutputTest, MissingExportIsReportedAndNothingWritten) {
  DailyOutput(Station("qrd"), session_);
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find STATN.qrd."});
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(DailyOutputTest, BadExportIsRefusedWithFileAndLineAndWritesNothing) {
  const std::string good = "6,990101,1,*,150,*,20,*,5,*,2,*,3,*,4\n";
  const std::vector<testing::BadInput> cases = {
      {"empty file", "", "STATN.qrd holds no daily weather"},
      {"blank lines only", "\n  \n", "STATN.qrd holds no daily weather"},
      {"header line", "Stn,Date,Jul,q,Sol,q,Tx,q,Tn,q,U,q,P,q,Td\n" + good,
       "STATN.qrd, line 1: 'Stn' is not a valid integer value"},
      {"measured value not a number", good + "6,990102,2,*,250,*,2x.5,*,5,*,2,*,3,*,4\n",
       "STATN.qrd, line 2: '2x.5' is not a valid floating point value"},
      {"fourteen fields", good + "6,990102,2,*,250,*,20,*,5,*,2,*,3,*\n",
       "STATN.qrd, line 2: expected 15 fields, found 14"},
      {"sixteen fields", "6," + good,
       "STATN.qrd, line 1 has 16 fields where 15 are expected (a decimal comma, or an extra "
       "column?)"},
      // Once written as Mon 0, Day 0.
      {"first day 366 of a 365-day year", "6,030101,366,*,250,*,20,*,5,*,2,*,3,*,4\n" + good,
       "STATN.qrd, line 1: DOY 366 in 2003, a year of 365 days (only years divisible by 4 have "
       "a day 366)"},
      {"day 366 of a 365-day year", good + "6,991231,366,*,90,*,12,*,2,*,1,*,0,*,1\n",
       "STATN.qrd, line 2: DOY 366 in 1999, a year of 365 days (only years divisible by 4 have "
       "a day 366)"},
      {"Solar above the top of the atmosphere", "6,990101,1,*,400,*,20,*,5,*,2,*,3,*,4\n",
       "STATN.qrd, line 1: Solar 34.56 MJ/m^2 is above the day's extraterrestrial radiation, "
       "18.11 MJ/m^2 on DOY 1 at latitude 33.07; check that Solar is in MJ/m^2 per day and the "
       "latitude is the station's"},
      {"date without a year", "6,Jan01,1,*,250,*,20,*,5,*,2,*,3,*,4\n",
       "STATN.qrd, line 1: the date 'Jan01' does not start with a two-digit year"},
      {"day of year 367", "6,990101,367,*,250,*,20,*,5,*,2,*,3,*,4\n",
       "STATN.qrd, line 1: day of year 367 is outside 1..366"},
  };
  testing::ExpectEachRefused("STATN.qrd", cases,
                             [](Session& session) { DailyOutput(Station("qrd"), session); });
}

}  // namespace
}  // namespace kelvaro
