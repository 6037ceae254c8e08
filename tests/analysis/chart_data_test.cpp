// The figures the charts draw, built from real runs without any toolkit.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analysis/result_readers.h"
#include "analysis/season_chart.h"
#include "analysis/study_area_charts.h"
#include "analysis/water_budget.h"
#include "analysis/weather_charts.h"
#include "support/result_runs.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

const ChartSeries& Named(const ChartData& chart, const std::string& name) {
  for (const ChartSeries& series : chart.series) {
    if (series.name == name) return series;
  }
  throw std::runtime_error("no series " + name + " in " + chart.title);
}

// Maricopa's measured days through the bundled study area and the statistics, and five years
// generated from its monthly means, once for the suite.
class ChartFigures : public testing::ResultRunsSuite {};

TEST_F(ChartFigures, ASeasonShowsEveryDayOfTheYearAndTheRunsIrrigations) {
  const auto chart = SeasonChart(measured().path(), "00001", 3, 2008);  // corn, a leap year
  EXPECT_EQ(chart.title, "Corn (grain), study area 00001, 2008");
  for (const char* name : {"ETo", "ETc", "Kc", "Depletion", "Threshold"}) {
    EXPECT_EQ(Named(chart, name).y.size(), 366u) << name;
  }
  EXPECT_EQ(Named(chart, "Kc").axis, ValueAxis::kSecondLeft);
  EXPECT_EQ(Named(chart, "Threshold").axis, ValueAxis::kRight);

  const auto events =
      ReadIrrigationEvents(*ReadTextFile(measured() / "IrrigationEventsforSA00001.ire"));
  size_t irrigations = 0;
  size_t pre_irrigations = 0;
  for (const RecordedIrrigation& event : events) {
    if (event.crop_number != 3 || event.year != 2008) continue;
    (event.pre_irrigation ? pre_irrigations : irrigations) += 1;
  }
  const ChartSeries& marked = Named(chart, "Irrigations");
  ASSERT_EQ(marked.x.size(), irrigations);
  EXPECT_GT(irrigations, 3u);
  EXPECT_EQ(Named(chart, "Pre-irrigation").x.size(), pre_irrigations);
  EXPECT_EQ(pre_irrigations, 1u);  // the corn is pre-irrigated
  const ChartSeries& depletion = Named(chart, "Depletion");
  for (double day : marked.x) {
    EXPECT_EQ(depletion.y[static_cast<size_t>(day) - 1], 0.0) << "day " << day;
  }
}

TEST_F(ChartFigures, MonthlyBarsStackEachCropsVolumeAndTheYearsFollowTheBudget) {
  const auto results = ReadStudyAreaResults(measured().path(), "00001");
  const auto monthly = MonthlyEtawChart(results, VolumeUnit::kCubicMetres);
  ASSERT_EQ(monthly.series.size(), 6u);
  EXPECT_EQ(monthly.categories.size(), 12u);
  for (size_t k = 0; k < 6; ++k) {
    const ChartSeries& crop = monthly.series[k];
    EXPECT_EQ(crop.name, results.crops[k].name);
    EXPECT_EQ(crop.style, SeriesStyle::kStackedBars);
    ASSERT_EQ(crop.y.size(), 12u);
    EXPECT_NEAR(crop.y[6], results.crops[k].monthly_etaw_mm[6] * results.crops[k].area_ha * 10.0,
                0.5);
  }
  // In millimetres a month's stack is the depth over the whole planted area.
  const auto depths = MonthlyEtawChart(results, VolumeUnit::kMillimetres);
  double july_mm = 0.0;
  double july_m3 = 0.0;
  for (size_t k = 0; k < 6; ++k) {
    july_mm += depths.series[k].y[6];
    july_m3 += monthly.series[k].y[6];
  }
  EXPECT_NEAR(july_mm, july_m3 / (910 * 10.0), 1e-6);

  const auto annual = AnnualEtawChart(results, VolumeUnit::kAcreFeet);
  const auto budget = MakeWaterBudget(results, VolumeUnit::kAcreFeet);
  const ChartSeries& years = Named(annual, "Study area");
  ASSERT_EQ(years.x.size(), 18u);
  EXPECT_EQ(years.x.front(), 2003.0);
  EXPECT_EQ(years.y, budget.annual_volumes);
  EXPECT_EQ(Named(annual, "Mean").y.front(), budget.study_area.volume);
}

TEST_F(ChartFigures, GeneratedMeansAreDrawnAgainstTheInputAndTheRescaledBlockMeetsIt) {
  const auto variable = FindVariable(kGeneratedVariables, "tmax");
  ASSERT_TRUE(variable.has_value());
  const auto chart = GeneratedMonthlyChart(generated().path(), "MARIC", *variable);
  ASSERT_EQ(chart.series.size(), 3u);
  const ChartSeries& input = chart.series[0];
  EXPECT_EQ(input.name, "Input (MARIC.mon)");
  EXPECT_EQ(chart.left_title, "TMax (oC)");
  for (const ChartSeries& series : chart.series) EXPECT_EQ(series.y.size(), 12u) << series.name;
  double differs = 0.0;
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_NEAR(chart.series[2].y[m], input.y[m], 0.0051) << "month " << m + 1;
    differs += std::abs(chart.series[1].y[m] - input.y[m]);
  }
  EXPECT_GT(differs, 0.0);  // five generated years do not hit the means exactly
}

TEST_F(ChartFigures, DailyMeansHaveABandOfOneStandardDeviation) {
  const auto chart = DailyStatisticsChart(measured().path(), "MARIC",
                                          *FindVariable(kDailyStatisticsVariables, "ETo"));
  const ChartSeries& band = Named(chart, "Mean ± standard deviation");
  const ChartSeries& mean = Named(chart, "Mean");
  ASSERT_EQ(mean.y.size(), 366u);
  ASSERT_EQ(band.y.size(), 366u);
  ASSERT_EQ(band.lower.size(), 366u);
  for (size_t d = 0; d < 366; ++d) {
    EXPECT_NEAR(band.y[d] - mean.y[d], mean.y[d] - band.lower[d], 1e-4) << d + 1;
    EXPECT_GE(band.y[d], band.lower[d]);
  }
  EXPECT_GT(mean.y[180], mean.y[0]);  // summer ETo above winter's
}

TEST_F(ChartFigures, MissingOrForeignFilesAreRefusedNamingThem) {
  struct Case {
    const char* what;
    std::function<void(const TestFolder&)> build;
    std::string message;
  };
  const auto tmax = *FindVariable(kGeneratedVariables, "TMax");
  const auto eto = *FindVariable(kDailyStatisticsVariables, "ETo");
  const Case cases[] = {
      {"a crop without results",
       [](const TestFolder& f) { SeasonChart(f.path(), "00001", 7, 2008); },
       "SA00001C007.CSV is missing: study area 1 has no results of crop 7"},
      {"a year outside the run",
       [](const TestFolder& f) { SeasonChart(f.path(), "00001", 1, 1990); },
       "SA00001C001.CSV holds no days of 1990 (it holds 2003-2020)"},
      {"the statistics' monthly means in place of the generator's",
       [&](const TestFolder& f) {
         f.Write("MARIC.mon", generated().Read("MARIC.mon"));
         GeneratedMonthlyChart(f.path(), "MARIC", tmax);
       },
       "MARIC.wxr holds 12 monthly rows, not the generator's two blocks of 12; the weather "
       "statistics may have replaced it"},
      {"a station without statistics",
       [&](const TestFolder& f) { DailyStatisticsChart(f.path(), "DAVIS", eto); },
       "DAVIS.avg is missing; the statistics of the working file write it (kelvaro-cli stats)"},
  };
  for (const Case& c : cases) {
    try {
      c.build(measured());
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.what;
    }
  }
}

TEST(ChartFiles, CutShortFilesAreRefusedNamingFileAndLine) {
  TestFolder folder;
  const std::string header = " Corn,SA00001C1\nYear, DOY\n   #\n";
  const std::string day1 =
      "2003,   1, 1.028, 0.000, 0.000, 1.450, 1.028, 1.491, 0.000, 1.491, 26.250,533.400,"
      "266.700,531.909,507.150\n";
  std::string day3 = day1;
  day3.replace(5, 4, "   3");
  struct Case {
    const char* what;
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"a last line cut short", header + day1 + day1.substr(0, 40),
       "SA00001C001.CSV, line 5: expected 15 fields, found 7"},
      {"a day left out", header + day1 + day3,
       "SA00001C001.CSV: day 3 of 2003 follows day 1; the file is cut short or was edited"},
  };
  for (const Case& c : cases) {
    folder.Write("SA00001C001.CSV", c.text);
    try {
      SeasonChart(folder.path(), "00001", 1, 2003);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.what;
    }
  }
  folder.Write("MARIC.avg", header + " 1, 1, 2, 3, 4, 5, 6, 7\n");
  folder.Write("MARIC.sdv", header);
  try {
    DailyStatisticsChart(folder.path(), "MARIC", kDailyStatisticsVariables[0]);
    ADD_FAILURE() << "a statistics file of one day accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()), "MARIC.avg is cut short: it holds 1 of its 366 days");
  }
}

}  // namespace
}  // namespace kelvaro
