#include "eto/montly_output.h"

#include <gtest/gtest.h>

#include "eto/hargreaves_samani.h"
#include "eto/wth_eto.h"
#include "generator/generate_weather.h"
#include "session/reporter.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;

constexpr const char* kHeader = " STATN,33.07, 361\n  Year,  Mon, Day, DOY, ...\n     #, ...\n";

RunParameters Station(const std::string& station, const std::string& ext) {
  RunParameters run = testing::StationRun(station, ext);
  run.Years = "3";
  return run;
}

std::string DayLine(int year, int month, int day, int doy, float tmax, float tmin, float pcp,
                    float wind = 2.0f) {
  return Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", year, month, day, doy,
                15.0f, tmax, tmin, wind, 5.0f, pcp);
}

// Line 4 + m of the monthly file: the row of month m (1..12).
std::string MonthRow(const std::string& mon, int month) {
  size_t start = 0;
  for (int line = 0; line < 2 + month; ++line) start = mon.find('\n', start) + 1;
  return mon.substr(start, mon.find('\n', start) - start + 1);
}

class MontlyOutputTest : public ::testing::Test {
 protected:
  std::string Reduce(const std::string& days, const std::string& ext = "dmn") {
    folder_.Write("STATN." + ext, kHeader + days);
    MontlyOutput(Station("STATN", ext), session_);
    return folder_.Read("STATN.mon");
  }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST(RainDay, RainMustExceedTwiceTheTemperatureEto) {
  EXPECT_TRUE(IsRainDay(10.0f, 4.0f));
  EXPECT_FALSE(IsRainDay(10.0f, 5.0f));
  EXPECT_FALSE(IsRainDay(0.0f, 0.0f));
}

TEST_F(MontlyOutputTest, MeasuredRecordGivesTheMeansOfItsDays) {
  folder_.Write("MARIC.day", ReadBytes(testing::StationDataPath("MARIC.day")));
  MontlyOutput(Station("MARIC", "day"), session_);
  const std::string mon = folder_.Read("MARIC.mon");
  ExpectMatchesGolden(mon, "montly_output/MARIC.mon");
  // The station's own monthly file holds the same means of Solar to Td and the same rain
  // totals over its 18 years (summed there in double precision: April's 3.925 mm rounds the
  // other way).
  const std::string means = ReadBytes(testing::StationDataPath("MARIC.mon"));
  for (int month = 1; month <= 12; ++month) {
    const size_t through_td = 6 + 5 * 9;
    EXPECT_EQ(MonthRow(mon, month).substr(0, through_td),
              MonthRow(means, month).substr(0, through_td))
        << month;
    EXPECT_NEAR(std::stof(MonthRow(mon, month).substr(through_td, 8)),
                std::stof(MonthRow(means, month).substr(through_td, 8)), 0.0101f)
        << month;
  }
}

TEST_F(MontlyOutputTest, RainIsAveragedOverTheYearsFromFirstToLastLine) {
  // Rain on two days ten years apart, one dry day in each year between: Ny = 10 whatever the
  // number of days.
  std::string days = DayLine(1991, 1, 1, 1, 20, 5, 100);
  for (int year = 1992; year < 2000; ++year) days += DayLine(year, 1, 2, 2, 20, 5, 0);
  const std::string mon = Reduce(days + DayLine(2000, 1, 2, 2, 20, 5, 200));
  EXPECT_EQ(MonthRow(mon, 1),
            "    1,   15.00,   20.00,    5.00,    2.00,    5.00,   30.00,    0.20, -999.00\n");
}

TEST_F(MontlyOutputTest, RainDaysFollowTheDaysOwnTemperatureEto) {
  const float pi = kShortPi;
  const float latitude_rad = static_cast<float>(pi * 33.07 / 180);
  const float eth = HargreavesSamani(1, 20.0f, 5.0f, latitude_rad, pi, NegativeEt::kKept);
  const std::string wet = Reduce(DayLine(2001, 1, 1, 1, 20, 5, 2 * eth + 0.01f));
  EXPECT_EQ(MonthRow(wet, 1).substr(60, 8), "    1.00");
  const std::string dry = Reduce(DayLine(2001, 1, 1, 1, 20, 5, 2 * eth - 0.01f));
  EXPECT_EQ(MonthRow(dry, 1).substr(60, 8), "    0.00");
  // A day colder than -17.8 oC has a negative ETo; without rain it is still a dry day.
  const std::string cold = Reduce(DayLine(2001, 1, 1, 1, -20, -30, 0));
  EXPECT_EQ(MonthRow(cold, 1).substr(60, 8), "    0.00");
}

TEST_F(MontlyOutputTest, IncompleteDaysStayOutOfTheMeans) {
  const std::string mon =
      Reduce(DayLine(2001, 3, 1, 60, 20, 5, 0) + DayLine(2001, 3, 2, 61, 30, 5, 50, -999.0f) +
             DayLine(2001, 3, 3, 62, 10, 12, 0));
  // TMax below TMin is raised to it before the sums, and the user hears of it.
  EXPECT_EQ(reporter_.warnings(),
            Lines{"STATN.dmn: TMax is below TMin on 1 day (line 6, 2001-03-03); TMax was taken "
                  "as TMin"});
  EXPECT_EQ(MonthRow(mon, 3),
            "    3,   15.00,   16.00,    8.50,    2.00,    5.00,    0.00,    0.00, -999.00\n");
}

TEST_F(MontlyOutputTest, MonthWithoutCompleteDayIsMissingAndTheGeneratorRefusesIt) {
  std::string days;
  for (int month = 1; month <= 12; ++month) {
    days += DayLine(2001, month, 1, DayOfYear(month, 1, 2001), 20, 5, month == 2 ? -999.0f : 1.0f);
  }
  const std::string mon = Reduce(days);
  EXPECT_EQ(MonthRow(mon, 2),
            "    2, -999.00, -999.00, -999.00, -999.00, -999.00, -999.00, -999.00, -999.00\n");
  EXPECT_THROW(
      {
        try {
          GenerateWeather(Station("STATN", "mon"), session_);
        } catch (const InputError& error) {
          EXPECT_STREQ(error.what(),
                       "STATN.mon, month 2: Solar, TMax and TMin are needed to generate weather.");
          throw;
        }
      },
      InputError);
}

TEST_F(MontlyOutputTest, PiBecomesShortForTheRestOfTheSessionOnly) {
  const std::string maricopa = ReadBytes(testing::StationDataPath("MARIC.day"));
  folder_.Write("MARIC.day", maricopa);
  WTHETo(Station("MARIC", "day"), session_);
  const std::string with_start_pi = folder_.Read("MARIC.eto");
  MontlyOutput(Station("MARIC", "day"), session_);
  EXPECT_EQ(session_.global_pi, kShortPi);
  WTHETo(Station("MARIC", "day"), session_);
  const std::string after_reduction = folder_.Read("MARIC.eto");

  TestFolder fresh_folder;
  fresh_folder.Write("MARIC.day", maricopa);
  Session fresh(fresh_folder.path(), reporter_);
  EXPECT_EQ(fresh.global_pi, kStartPi);
  WTHETo(Station("MARIC", "day"), fresh);
  EXPECT_EQ(fresh_folder.Read("MARIC.eto"), with_start_pi);

  Session short_pi(fresh_folder.path(), reporter_);
  short_pi.UseShortPi();
  WTHETo(Station("MARIC", "day"), short_pi);
  EXPECT_EQ(after_reduction, fresh_folder.Read("MARIC.eto"));
  EXPECT_NE(after_reduction, with_start_pi);
}

TEST_F(MontlyOutputTest, FileWithoutCompleteDayLeavesPiAsItWas) {
  Reduce(DayLine(2001, 1, 1, 1, 20, 5, -999.0f));
  EXPECT_EQ(session_.global_pi, kStartPi);
}

TEST_F(MontlyOutputTest, MissingInputIsReportedAndNothingWritten) {
  MontlyOutput(Station("STATN", "dmn"), session_);
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find STATN.dmn."});
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(MontlyOutputTest, BadInputIsRefusedWithFileAndLineAndWritesNothing) {
  const std::string good = DayLine(2001, 1, 1, 1, 20, 5, 0);
  const std::vector<testing::BadInput> cases = {
      {"empty file", "", "STATN.dmn holds no daily weather"},
      {"header only", kHeader, "STATN.dmn holds no daily weather"},
      {"non-numeric field", kHeader + good + " 2001,   1,   2,   2,   2o.0,  20, 5, 2, 5, 0\n",
       "STATN.dmn, line 5: Solar '2o.0' is not a valid floating point value"},
      {"year not a number", std::string(kHeader) + " 2OO1,   1,   2,   2, 20, 20, 5, 2, 5, 0\n",
       "STATN.dmn, line 4: Year '2OO1' is not a valid integer value"},
      {"too few fields", kHeader + good + " 2001,   1,   2,   2,   20.0\n",
       "STATN.dmn, line 5: expected 10 fields, found 5"},
      {"month 13", kHeader + good + DayLine(2001, 13, 2, 2, 20, 5, 0),
       "STATN.dmn, line 5: Mon 13 is outside 1..12"},
      {"years backwards", kHeader + good + DayLine(1999, 1, 2, 2, 20, 5, 0),
       "STATN.dmn, line 5: years out of order: 1999 comes after 2001"},
      {"DOY 366 of 2001", kHeader + good + " 2001,  12,  31, 366, 20, 20, 5, 2, 5, 0\n",
       "STATN.dmn, line 5: DOY 366 in 2001, a year of 365 days (only years divisible by 4 have a "
       "day 366)"},
      {"Solar above the top of the atmosphere",
       kHeader + good + " 2001,   1,   2,   2,   19.00, 20, 5, 2, 5, 0\n",
       "STATN.dmn, line 5: Solar 19 MJ/m^2 is above the day's extraterrestrial radiation, "
       "18.17 MJ/m^2 on DOY 2 at latitude 33.07; check that Solar is in MJ/m^2 per day and the "
       "latitude is the station's"},
  };
  testing::ExpectEachRefused(
      "STATN.dmn", cases, [](Session& session) { MontlyOutput(Station("STATN", "dmn"), session); });
}

TEST_F(MontlyOutputTest, LineEndsAndByteOrderMarkDoNotChangeTheResult) {
  const std::string days = DayLine(2001, 1, 1, 1, 20, 5, 3) + DayLine(2002, 7, 1, 182, 35, 20, 0);
  const std::string lf = Reduce(days);
  folder_.Write("STATN.dmn", testing::AsWindowsText(kHeader + days));
  MontlyOutput(Station("STATN", "dmn"), session_);
  EXPECT_EQ(folder_.Read("STATN.mon"), lf);
}

}  // namespace
}  // namespace kelvaro
