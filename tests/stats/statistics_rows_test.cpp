#include "stats/statistics_rows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/mean_day_eto.h"
#include "stats/stats_test_support.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

using testing::WorkedDay;
using testing::WorkRow;
using Lines = std::vector<std::string>;

constexpr float kPrinted = 0.005f;

WeatherDay DayOf(const WorkRow& r) {
  WeatherDay day;
  day.year = r.year;
  day.month = r.month;
  day.day = r.day;
  day.doy = r.doy;
  day.solar = r.solar;
  day.tmax = r.tmax;
  day.tmin = r.tmin;
  day.wind = r.wind;
  day.td = r.td;
  day.pcp = r.pcp;
  day.eto = r.eto;
  return day;
}

WeatherAccumulation Accumulate(const std::vector<WorkRow>& rows) {
  WeatherAccumulation sums;
  sums.latitude_deg = 38.5f;
  sums.elevation_m = 18.5f;
  for (const WorkRow& row : rows) sums.Add(DayOf(row));
  return sums;
}

const Site kWorkedSite = MakeSite(38.5f, 18.5f, kStatisticsPi);

TEST(SampleDeviation, DivisorNMinusOneAndNoDeviationBelowTwoValues) {
  EXPECT_NEAR(SampleDeviation(10.0f, 30.0f, 4), 1.2909944f, 1e-6f);  // 1, 2, 3, 4
  EXPECT_EQ(SampleDeviation(5.0f, 25.0f, 1), 0.0f);
  EXPECT_EQ(SampleDeviation(0.0f, 0.0f, 0), 0.0f);
  // Equal values, and sums whose rounding leaves no positive variance.
  EXPECT_EQ(SampleDeviation(7.5f, 3 * 6.25f, 3), 0.0f);
  EXPECT_EQ(SampleDeviation(10.0f, 49.0f, 2), 0.0f);
}

TEST(CoefficientOfVariation, PercentOfTheMean) {
  EXPECT_FLOAT_EQ(CoefficientOfVariation(1.5f, 6.0f), 25.0f);
  EXPECT_FLOAT_EQ(CoefficientOfVariation(1.5f, -3.0f), -50.0f);
  EXPECT_EQ(CoefficientOfVariation(1.5f, 0.0f), 0.0f);
  EXPECT_EQ(CoefficientOfVariation(1.5f, kMissing), kMissing);
}

TEST(MeanDayEto, PenmanMonteithOfTheWorkedDayAgreesWithTheDailyEquation) {
  RecordingReporter reporter;
  const auto sums = Accumulate({WorkedDay(2003), WorkedDay(2004)});
  const StatisticsRow row = DayOfYearStatistics(sums, 266, kWorkedSite, reporter);
  EXPECT_EQ(Printf("%8.2f", row.mean[kEto]), "    5.45");
  EXPECT_EQ(reporter.traces(), Lines{"enter penman"});
  // The file's ETo had no spread, so its CV against the recomputed mean is 0.
  EXPECT_EQ(row.cv[kEto], 0.0f);
}

TEST(MeanDayEto, EtoCvDividesTheFileDeviationByTheRecomputedMean) {
  RecordingReporter reporter;
  WorkRow low = WorkedDay(2003);
  WorkRow high = WorkedDay(2004);
  low.eto = 4.0f;
  high.eto = 6.0f;
  const StatisticsRow row =
      DayOfYearStatistics(Accumulate({low, high}), 266, kWorkedSite, reporter);
  const float deviation = std::sqrt(2.0f);
  EXPECT_NEAR(row.deviation[kEto], deviation, 1e-6f);
  EXPECT_NEAR(row.cv[kEto], deviation / row.mean[kEto] * 100, 1e-4f);
  EXPECT_NEAR(row.cv[kEto], 25.97f, 0.01f);  // 1.4142 / 5.4465 x 100
}

TEST(MeanDayEto, ZeroMeanTdFallsBackToTheTemperatureOnlyValue) {
  RecordingReporter reporter;
  WorkRow day = WorkedDay();
  day.td = 0.0f;
  const StatisticsRow row = DayOfYearStatistics(Accumulate({day}), 266, kWorkedSite, reporter);
  // 0.0023 Ra (T + 17.8) sqrt(TMax - TMin) / 2.45 with Ra 28.575 and T 22.05
  EXPECT_NEAR(row.mean[kEto], 4.289f, kPrinted);
  EXPECT_EQ(reporter.traces(), Lines{"Enter in Aug 26-2005"});
}

TEST(MeanDayEto, WhichValueTheMeansAllow) {
  struct Case {
    const char* what;
    ColumnValues means;  // Solar, TMax, TMin, Wind, Td, Pcp, ETo
    std::optional<std::string_view> trace;
    float eto;
  };
  const Case cases[] = {
      {"zero wind", {19.3f, 30.1f, 14, 0, 7.5f, 0, 3}, kTemperatureOnlyTrace, 4.289f},
      {"zero solar", {0, 30.1f, 14, 2.6f, 7.5f, 0, 3}, kTemperatureOnlyTrace, 4.289f},
      {"zero TMin", {19.3f, 30.1f, 0, 2.6f, 7.5f, 0, 3}, std::nullopt, 3},
      {"nothing recorded", {0, 0, 0, 0, 0, 0, 0}, std::nullopt, 0},
      // Below -17.8 oC the temperature-only value would be negative.
      {"deep cold", {0, -20, -30, 0, 0, 0, 0.3f}, kTemperatureOnlyTrace, 0},
  };
  for (const Case& c : cases) {
    const auto eto = MeanDayReferenceEt(c.means, 266, kWorkedSite);
    EXPECT_EQ(eto.has_value(), c.trace.has_value()) << c.what;
    if (eto) {
      EXPECT_EQ(eto->trace, *c.trace) << c.what;
      EXPECT_NEAR(eto->eto, c.eto, kPrinted) << c.what;
    }
  }
}

TEST(MeanDayEto, DayWithoutTemperaturesKeepsTheFileEtoMean) {
  RecordingReporter reporter;
  const auto sums = Accumulate({{2003, 1, 1, 1, 10, -999, -999, 2, 3, 0, 1.5f},
                                {2004, 1, 1, 1, 12, -999, -999, 2, 3, 0, 2.5f}});
  const StatisticsRow row = DayOfYearStatistics(sums, 1, kWorkedSite, reporter);
  EXPECT_FLOAT_EQ(row.mean[kEto], 2.0f);
  EXPECT_TRUE(reporter.traces().empty());
}

TEST(MonthStatistics, KeepsTheFileEtoAndGivesZerosForAMonthWithoutWaterRecords) {
  const auto sums = Accumulate({{2003, 6, 1, 152, 30, 40, 20, 2, 5, -999, 8},
                                {2003, 6, 2, 153, 28, 38, 22, 3, 6, -999, 9},
                                {2003, 7, 1, 182, 30, 40, 20, 2, 5, 1, 8},
                                {2003, 7, 2, 183, 28, 38, 22, 3, 6, 3, 9}});
  const StatisticsRow june = MonthStatistics(sums, 6);
  EXPECT_EQ(june.index, 6);
  for (const ColumnValues* values : {&june.mean, &june.deviation, &june.cv}) {
    EXPECT_EQ((*values)[kPcp], 0.0f);
    EXPECT_EQ((*values)[kEto], 0.0f);
  }
  EXPECT_FLOAT_EQ(june.mean[kTMax], 39.0f);
  EXPECT_NEAR(june.deviation[kTMax], std::sqrt(2.0f), 1e-6f);
  EXPECT_NEAR(june.cv[kTMax], std::sqrt(2.0f) / 39 * 100, 1e-4f);

  const StatisticsRow july = MonthStatistics(sums, 7);
  EXPECT_FLOAT_EQ(july.mean[kEto], 8.5f);  // the file's own ETo, not recomputed
  EXPECT_FLOAT_EQ(july.mean[kPcp], 2.0f);
  EXPECT_NEAR(july.cv[kPcp], std::sqrt(2.0f) / 2 * 100, 1e-4f);

  const StatisticsRow empty = MonthStatistics(sums, 1);
  EXPECT_EQ(empty.mean, ColumnValues{});
  EXPECT_EQ(empty.cv, ColumnValues{});
}

}  // namespace
}  // namespace kelvaro
