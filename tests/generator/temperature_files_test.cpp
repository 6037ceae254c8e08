#include <gtest/gtest.h>

#include <cmath>

#include "eto/hargreaves_samani.h"
#include "generator/day_to_mon_temp.h"
#include "generator/simulated_eto_hargres.h"
#include "generator/yearly_day_to_mon_temp.h"
#include "support/example_conversions.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr float kLatitudeRad = 33.07f * 3.1415f / 180.0f;
constexpr const char* kHeader =
    " MARIC,33.07, 361\n Year,  Mon, Day, DOY,    TMax,    TMin,     Pcp\n"
    "    #,    #,   #,   #,      oC,      oC,      mm\n";

struct Day {
  int year, doy;
  float tmax, tmin, pcp;
};

std::string DayLine(const Day& d) {
  const MonthAndDay md = MonthAndDayOfYear(d.doy, d.year);
  return Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%.9g\n", d.year, md.month, md.day, d.doy, d.tmax,
                d.tmin, d.pcp);
}

// Every day from `first_doy` of `first_year` to `last_doy` of `last_year` at 25/10 oC, dry.
std::string Record(int first_year, int first_doy, int last_year, int last_doy) {
  std::string text;
  for (int year = first_year; year <= last_year; ++year) {
    const int from = year == first_year ? first_doy : 1;
    const int to = year == last_year ? last_doy : DaysInYear(year);
    for (int doy = from; doy <= to; ++doy) text += DayLine({year, doy, 25.0f, 10.0f, 0.0f});
  }
  return text;
}

float HargreavesOfDay(int doy, float tmax, float tmin) {
  return HargreavesSamani(doy, tmax, tmin, kLatitudeRad, 3.1415f, NegativeEt::kZero);
}

class TemperatureFilesTest : public ::testing::Test {
 protected:
  TemperatureFilesTest() : session_(folder_.path(), reporter_) {
    run_.Station = "MARIC";
    run_.Latitude = "33.07";
    run_.Elevation = "361";
    run_.SA = "1";
  }

  // Data rows of an output file, split at commas and trimmed.
  std::vector<std::vector<std::string>> Rows(const std::string& name) const {
    std::vector<std::vector<std::string>> rows;
    const auto lines = SplitLines(folder_.Read(name));
    for (size_t i = 3; i < lines.size(); ++i) {
      std::vector<std::string> fields;
      for (const std::string& f : SplitFieldsFromRight(
               lines[i], 1 + static_cast<int>(std::count(lines[i].begin(), lines[i].end(), ','))))
        fields.emplace_back(Trim(f));
      rows.push_back(fields);
    }
    return rows;
  }

  void Monthly(const std::string& days) {
    folder_.Write("MARIC.dtm", kHeader + days);
    run_.ext = "dtm";
    DayToMonTemp(run_, session_);
  }
  void Yearly(const std::string& days) {
    folder_.Write("MARIC.rtm", kHeader + days);
    run_.ext = "rtm";
    YearlyDayToMonTemp(run_, session_);
  }

  testing::TestFolder folder_;
  RecordingReporter reporter_;
  Session session_;
  RunParameters run_;
};

TEST_F(TemperatureFilesTest, RainDayNeedsMoreThanTwiceItsEto) {
  const float eto = HargreavesOfDay(10, 20.0f, 5.0f);
  const float twice = 2.0f * eto;
  Monthly(DayLine({2003, 10, 20.0f, 5.0f, twice}) +
          DayLine({2003, 11, 20.0f, 5.0f,
                   std::nextafter(2.0f * HargreavesOfDay(11, 20.0f, 5.0f), 100.0f)}) +
          DayLine({2003, 12, 20.0f, 5.0f, 0.0f}));
  const auto rows = Rows("MARIC.mtm");
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(rows[0][7], "1.00");  // only the day above twice its ETo
  EXPECT_EQ(session_.global_pi, kShortPi);
}

TEST_F(TemperatureFilesTest, RainAndRainDaysArePerCalendarYearSpannedAndEmptyMonthsAreMissing) {
  // January 2003 and 2004 with 30 mm on one day each, then one February day of 2005.
  std::string days;
  for (int year : {2003, 2004}) {
    days += DayLine({year, 5, 20.0f, 5.0f, 30.0f});
    days += DayLine({year, 6, 24.0f, 8.0f, 0.0f});
  }
  days += DayLine({2005, 40, 22.0f, 6.0f, 0.0f});
  Monthly(days);
  const auto rows = Rows("MARIC.mtm");
  EXPECT_EQ(rows[0], (std::vector<std::string>{"1", "-999.00", "22.00", "6.50", "-999.00",
                                               "-999.00", "20.00", "0.67", "-999.00", "-999.00"}));
  EXPECT_EQ(rows[1][2], "22.00");
  EXPECT_EQ(rows[1][6], "0.00");
  for (size_t column : {2, 3, 6, 7}) EXPECT_EQ(rows[2][column], "-999.00");
  EXPECT_EQ(SplitLines(folder_.Read("MARIC.mtm"))[0], " MARIC,33.07, 361");

  // The simulation refuses the table for the months without days.
  run_.ext = "mtm";
  run_.Years = "3";
  try {
    SimulatedEToHargres(run_, session_);
    ADD_FAILURE() << "accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()),
              "MARIC.mtm, month 3: TMax and TMin are needed to simulate temperatures and ETo.");
  }
}

TEST_F(TemperatureFilesTest, MissingValuesAreLeftOutOfTheMeansButWrittenAsRead) {
  std::string days = Record(2003, 1, 2003, 365);
  const auto lines = SplitLines(days);
  std::string edited;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == 1) {
      edited += DayLine({2003, 2, -999.0f, 12.0f, 0.0f});  // TMax raised to TMin first
    } else if (i == 2) {
      edited += DayLine({2003, 3, 30.0f, 11.0f, -999.0f});
    } else {
      edited += lines[i] + "\n";
    }
  }
  Yearly(edited);
  const auto wrk = Rows("MARIC.wrk");
  ASSERT_EQ(wrk.size(), 365u);
  EXPECT_EQ(wrk[1][5], "12.00");
  EXPECT_EQ(wrk[1][6], "12.00");
  EXPECT_EQ(wrk[2][5], "30.00");
  EXPECT_EQ(wrk[2][9], "-999.00");
  for (size_t column : {4, 7, 8}) EXPECT_EQ(wrk[2][column], "-999.00");
  // Only the day without rain is left out of January's means: its TMax 30 is not counted.
  const auto ymm = Rows("MARIC.ymm");
  ASSERT_EQ(ymm.size(), 12u);
  EXPECT_EQ(ymm[0][2], Printf("%.2f", (29 * 25.0f + 12.0f) / 30.0f));
}

TEST_F(TemperatureFilesTest, OnlyCompleteYearsReachTheWorkingFileButEveryDayTheMonthlyTable) {
  const std::string days = Record(2003, 200, 2006, 100);  // 2004 and 2005 complete
  Yearly(days);
  const auto wrk = Rows("MARIC.wrk");
  ASSERT_EQ(wrk.size(), 366u + 365u);
  EXPECT_EQ(wrk.front()[0], "2004");
  EXPECT_EQ(wrk.back()[0], "2005");
  EXPECT_EQ(wrk.back()[3], "365");
  const std::string ymm = folder_.Read("MARIC.ymm");
  const auto ymm_lines = SplitLines(ymm);
  ASSERT_EQ(ymm_lines.size(), 3u + 24u);
  for (size_t i = 3; i < ymm_lines.size(); ++i) EXPECT_TRUE(ymm_lines[i].ends_with(",")) << i;
  EXPECT_EQ(ymm.substr(ymm.size() - 2), ",\n");

  Monthly(days);
  const auto mtm = Rows("MARIC.mtm");
  EXPECT_EQ(mtm[3][2], "25.00");  // April days of 2006 are counted
}

TEST_F(TemperatureFilesTest, EachDaysEtoFollowsTheCurveThroughItsYearsMonthlyMeans) {
  const std::string maricopa =
      testing::DailyTemperatureFileOf(testing::ReadBytes(testing::ExamplePath("MARIC.day")));
  folder_.Write("MARIC.rtm", maricopa);
  run_.ext = "rtm";
  YearlyDayToMonTemp(run_, session_);
  const auto wrk = Rows("MARIC.wrk");
  const auto ymm = Rows("MARIC.ymm");
  ASSERT_EQ(wrk.size(), 6575u);
  ASSERT_EQ(ymm.size(), 18u * 12u);
  size_t first_day_of_year = 0;
  for (size_t y = 0; y < 18; ++y) {
    const int year = 2003 + static_cast<int>(y);
    for (size_t m = 0; m < 12; ++m) {
      const auto& day = wrk[first_day_of_year + static_cast<size_t>(kMidMonthDays[m]) - 1];
      ASSERT_EQ(day[0], std::to_string(year));
      EXPECT_NEAR(ParseFloat(day[10]), ParseFloat(ymm[12 * y + m][7]), 0.011) << year << m;
    }
    first_day_of_year += static_cast<size_t>(DaysInYear(year));
  }
}

// Maricopa's measured temperatures and rain of 2003 and 2004 and of the first days of 2005.
TEST_F(TemperatureFilesTest, MaricopaRecordMatchesGoldenFiles) {
  const std::string record =
      testing::DailyTemperatureFileOf(testing::ReadBytes(testing::ExamplePath("MARIC.day")));
  std::string text;
  for (const std::string& line : SplitLines(record)) {
    if (line.find(" 2005,   1,  11,") == 0) break;
    text += line + "\n";
  }
  folder_.Write("MARIC.dtm", text);
  folder_.Write("MARIC.rtm", text);
  run_.ext = "dtm";
  DayToMonTemp(run_, session_);
  run_.ext = "rtm";
  YearlyDayToMonTemp(run_, session_);
  EXPECT_TRUE(reporter_.boxes().empty());
  for (const char* name : {"MARIC.mtm", "MARIC.ymm", "MARIC.wrk"}) {
    testing::ExpectMatchesGolden(folder_.Read(name), std::string("temperature_files/") + name);
  }
}

TEST_F(TemperatureFilesTest, BadDailyTemperatureFilesAreRefusedNamingFileAndLine) {
  const std::string swapped = DayLine({2003, 2, 25, 10, 0}) + DayLine({2003, 1, 25, 10, 0});
  const std::vector<testing::BadInput> common{
      {"no days", kHeader, "MARIC.dtm holds no days."},
      {"days out of order", kHeader + swapped,
       "MARIC.dtm, line 5: day 1 of 2003 comes after day 2"},
      {"text", std::string(kHeader) + " 2003,   1,   1,   1,   2x.00,   10.00,    0.00\n",
       "MARIC.dtm, line 4: TMax '2x.00' is not a valid floating point value"},
      {"short line", std::string(kHeader) + " 2003,   1,   1,   1,   20.00\n",
       "MARIC.dtm, line 4: expected 7 fields, found 5"},
      {"day 366 of a normal year",
       kHeader + DayLine({2003, 365, 25, 10, 0}) +
           " 2003,  12,  31, 366,   20.00,   10.00,    0.00\n",
       "MARIC.dtm, line 5: DOY 366 in 2003, a year of 365 days (only years divisible by 4 have "
       "a day 366)"},
      {"impossible rain", std::string(kHeader) + " 2003,   1,   1,   1,   20.00,   10.00,  5000\n",
       "MARIC.dtm, line 4: Pcp 5000 is outside 0..2000 mm"},
  };
  const auto as = [](std::vector<testing::BadInput> cases, const std::string& ext) {
    for (auto& c : cases) {
      const size_t at = c.message.find("dtm");
      if (at != std::string::npos) c.message.replace(at, 3, ext);
    }
    return cases;
  };
  const auto operation = [this](void (*op)(const RunParameters&, Session&), const char* ext) {
    return [this, op, ext](Session& session) {
      RunParameters run = run_;
      run.ext = ext;
      op(run, session);
    };
  };
  testing::ExpectEachRefused("MARIC.dtm", as(common, "dtm"), operation(&DayToMonTemp, "dtm"));
  std::vector<testing::BadInput> yearly = as(common, "rtm");
  yearly.push_back({"a day missing",
                    kHeader + Record(2003, 1, 2003, 40) + Record(2003, 42, 2003, 365),
                    "MARIC.rtm, line 44: day 42 of 2003 follows day 40 of 2003; every day of the "
                    "record is needed"});
  yearly.push_back({"no complete year", kHeader + Record(2003, 2, 2004, 100),
                    "MARIC.rtm holds no complete year (1 January to 31 December); nothing is "
                    "written."});
  testing::ExpectEachRefused("MARIC.rtm", yearly, operation(&YearlyDayToMonTemp, "rtm"));
}

}  // namespace
}  // namespace kelvaro
