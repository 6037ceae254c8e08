#include "generator/generator_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "eto/montly_output.h"
#include "eto/wth_eto.h"
#include "generator/generate_weather.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

using testing::ReadBytes;
using testing::StationDataPath;
using testing::TestFolder;

const ComparedFigure& Figure(const GeneratorCheck& check, const std::string& variable,
                             const std::string& statistic, int month) {
  for (const ComparedFigure& f : check.comparison.figures) {
    if (f.variable == variable && f.statistic == statistic && f.month == month) return f;
  }
  throw std::runtime_error("no figure " + variable + " " + statistic);
}

// The daily ETo operation's days of STATN.<ext>, made in a session of their own.
std::vector<WeatherDay> WorkingDays(const TestFolder& folder, const std::string& ext) {
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RunParameters run{.Station = "MARIC", .Latitude = "33.07", .Elevation = "361", .Years = "30"};
  if (ext == "gen") {
    run.ext = "day";
    MontlyOutput(run, session);
    run.ext = "mon";
    GenerateWeather(run, session);
  }
  run.ext = ext;
  WTHETo(run, session);
  return ReadWorkingDailyFile(folder / "MARIC.wrk")->days;
}

// Mean annual ETo of the complete years, January's mean TMax and the wet days (1 mm or more) a
// year, counted here from the days themselves.
struct Recount {
  explicit Recount(const std::vector<WeatherDay>& days) {
    std::map<int, std::pair<int, double>> years;
    double january_tmax = 0.0;
    int january_days = 0;
    int wet = 0;
    for (const WeatherDay& d : days) {
      years[d.year].first += 1;
      years[d.year].second += d.eto;
      if (d.month == 1) {
        january_tmax += d.tmax;
        ++january_days;
      }
      wet += d.pcp >= 1.0f ? 1 : 0;
    }
    double sum = 0.0;
    int whole = 0;
    for (const auto& [year, days_and_eto] : years) {
      if (days_and_eto.first < 365) continue;
      sum += days_and_eto.second;
      ++whole;
    }
    annual_eto = sum / whole;
    january_mean_tmax = january_tmax / january_days;
    wet_days_a_year = static_cast<double>(wet) / static_cast<double>(years.size());
  }
  double annual_eto;
  double january_mean_tmax;
  double wet_days_a_year;
};

TEST(GeneratorCheck, FiguresAgreeWithARecountOfTheMeasuredAndTheGeneratedDays) {
  TestFolder data;
  data.Write("MARIC.day", ReadBytes(StationDataPath("MARIC.day")));
  RecordingReporter reporter;
  const GeneratorCheck check = RunGeneratorCheck({.station = "MARIC"}, data.path(), reporter);
  EXPECT_TRUE(reporter.boxes().empty());

  TestFolder measured_run;
  TestFolder generated_run;
  for (const TestFolder* folder : {&measured_run, &generated_run}) {
    folder->Write("MARIC.day", ReadBytes(StationDataPath("MARIC.day")));
  }
  const Recount measured(WorkingDays(measured_run, "day"));
  const Recount generated(WorkingDays(generated_run, "gen"));
  for (const auto& [recount, figure] :
       {std::pair{measured, &ComparedFigure::measured}, {generated, &ComparedFigure::generated}}) {
    EXPECT_NEAR(Figure(check, "Annual ETo", "mean", 0).*figure, recount.annual_eto, 0.01);
    EXPECT_NEAR(Figure(check, "TMax", "mean", 1).*figure, recount.january_mean_tmax, 0.001);
    EXPECT_NEAR(Figure(check, "Wet days", "count", 0).*figure, recount.wet_days_a_year, 0.01);
  }
  // Nothing is left in the data folder.
  EXPECT_EQ(data.Listing(), "MARIC.day\n");
}

TEST(GeneratorCheck, GeneratedAnnualEtoOfEveryStationIsWithinFivePercentOfItsRecord) {
  for (const char* station : {"MARIC", "MOHAV", "DEBIL"}) {
    TestFolder data;
    data.Write(std::string(station) + ".day",
               ReadBytes(StationDataPath(std::string(station) + ".day")));
    RecordingReporter reporter;
    const GeneratorCheck check = RunGeneratorCheck({.station = station}, data.path(), reporter);
    const auto percent = Figure(check, "Annual ETo", "mean", 0).DifferencePercent();
    ASSERT_TRUE(percent.has_value()) << station;
    EXPECT_LT(std::fabs(*percent), 5.0f) << station;
    EXPECT_EQ(check.comparison.verdicts.size(), 11u);
  }
}

TEST(GeneratorCheck, RecordShorterThanTwoWholeYearsIsRefusedNamingTheFile) {
  TestFolder data;
  const std::string record = ReadBytes(StationDataPath("MARIC.day"));
  // The header lines and 2003, one whole year, then half of 2004.
  const size_t cut = [&] {
    size_t at = 0;
    for (int line = 0; line < 3 + 365 + 180; ++line) at = record.find('\n', at) + 1;
    return at;
  }();
  data.Write("MARIC.day", record.substr(0, cut));
  RecordingReporter reporter;
  try {
    RunGeneratorCheck({.station = "MARIC"}, data.path(), reporter);
    FAIL() << "a record of one whole year was taken";
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(),
                 "MARIC.day holds 1 whole calendar years; the generator check needs at least two.");
  }
  EXPECT_EQ(data.Listing(), "MARIC.day\n");
}

TEST(RecordFigures, SpellsBeginInTheirMonthAndAGapOrAMissingValueEndsThem) {
  std::vector<WeatherDay> days;
  // 30 and 31 January wet, 1 February wet, 2 February missing, 3-4 February dry.
  const float rain[] = {5.0f, 2.0f, 1.0f, -999.0f, 0.0f, 0.5f};
  for (int i = 0; i < 6; ++i) {
    WeatherDay d;
    d.year = 2001;
    d.doy = 30 + i;
    d.month = d.doy <= 31 ? 1 : 2;
    d.pcp = rain[i];
    days.push_back(d);
  }
  const RecordFigures figures = FiguresOf(days);
  EXPECT_EQ(figures.wet_spell[0], 3.0f);      // one wet spell of 3 days, begun in January
  EXPECT_EQ(figures.dry_spell[1], 2.0f);      // one dry spell of 2 days, begun in February
  EXPECT_EQ(figures.wet_days[1], 1.0f);       // 0.5 mm is no wet day
  EXPECT_EQ(figures.rain[kWholeYear], 8.5f);  // January 7, February 1.5
  EXPECT_EQ(figures.whole_years, 0);
}

}  // namespace
}  // namespace kelvaro
