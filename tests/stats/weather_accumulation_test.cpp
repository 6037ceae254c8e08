#include "stats/weather_accumulation.h"

#include <gtest/gtest.h>

#include "stats/stats_test_support.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::TestFolder;
using testing::WorkingFileText;
using testing::WorkRow;

WeatherAccumulation Accumulate(const std::vector<WorkRow>& rows) {
  TestFolder folder;
  folder.Write("T.wrk", WorkingFileText(rows));
  return AccumulateWorkingFile(folder / "T.wrk").value();
}

TEST(WeatherAccumulation, StationLineGivesLatitudeAndElevation) {
  TestFolder folder;
  folder.Write("T.wrk", WorkingFileText({testing::WorkedDay()}, " Davis, 38.53 , -12.5 \r\n"));
  const auto sums = AccumulateWorkingFile(folder / "T.wrk").value();
  EXPECT_FLOAT_EQ(sums.latitude_deg, 38.53f);
  EXPECT_FLOAT_EQ(sums.elevation_m, -12.5f);
}

TEST(WeatherAccumulation, MissingWindRemovesSolarAndTdOfThatLineOnly) {
  const auto sums = Accumulate(
      {{2003, 1, 5, 5, 10, 20, 5, -999, 3, 1.5f, 2}, {2004, 1, 5, 5, 12, 22, 6, 2, 4, 0.5f, 3}});
  const ColumnSums& day = sums.by_day[5];
  EXPECT_EQ(day.count, (std::array<int32_t, 3>{1, 2, 2}));
  EXPECT_EQ(day.sum[kSolar], 12.0f);
  EXPECT_EQ(day.sum[kTd], 4.0f);
  EXPECT_EQ(day.sum[kWind], 2.0f);
  EXPECT_EQ(day.sum[kTMax], 42.0f);
  EXPECT_EQ(day.sum[kTMin], 11.0f);
  EXPECT_EQ(day.sum[kPcp], 2.0f);
  EXPECT_EQ(day.sum[kEto], 5.0f);
  EXPECT_EQ(day.squares[kTMax], 400.0f + 484.0f);
  EXPECT_EQ(sums.by_month[1].count, day.count);
  EXPECT_EQ(sums.by_month[1].sum[kSolar], 12.0f);
}

TEST(WeatherAccumulation, GroupsAreRejectedWhole) {
  struct Case {
    const char* what;
    WorkRow row;
    std::array<int32_t, 3> counts;
  };
  const Case cases[] = {
      {"missing Solar", {2003, 2, 1, 32, -999, 20, 5, 2, 3, 0, 2}, {0, 1, 1}},
      {"missing Td", {2003, 2, 1, 32, 10, 20, 5, 2, -999, 0, 2}, {0, 1, 1}},
      {"missing TMin", {2003, 2, 1, 32, 10, 20, -999, 2, 3, 0, 2}, {1, 0, 1}},
      {"missing Pcp", {2003, 2, 1, 32, 10, 20, 5, 2, 3, -999, 2}, {1, 1, 0}},
      {"missing ETo", {2003, 2, 1, 32, 10, 20, 5, 2, 3, 0, -999}, {1, 1, 0}},
      {"nothing missing", {2003, 2, 1, 32, 10, 20, 5, 2, 3, 0, 2}, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    const auto sums = Accumulate({c.row});
    EXPECT_EQ(sums.by_day[32].count, c.counts) << c.what;
    EXPECT_EQ(sums.by_month[2].count, c.counts) << c.what;
  }
}

TEST(WeatherAccumulation, MissingTMaxTakesAValidTMin) {
  const auto sums = Accumulate({{2003, 3, 1, 60, 10, -999, 7.5f, 2, 3, 0, 2}});
  EXPECT_EQ(sums.by_day[60].count[kTemperatureGroup], 1);
  EXPECT_EQ(sums.by_day[60].sum[kTMax], 7.5f);
  // Only a valid TMin lifts TMax: both missing stay out.
  const auto both = Accumulate({{2003, 3, 1, 60, 10, -999, -999, 2, 3, 0, 2}});
  EXPECT_EQ(both.by_day[60].count[kTemperatureGroup], 0);
}

TEST(WeatherAccumulation, YearsAreCountedFromDayOneAndDay366ComesFromLeapYearsOnly) {
  std::vector<WorkRow> rows;
  for (int year : {2003, 2004, 2005}) {
    rows.push_back({year, 1, 1, 1, 10, 20, 5, 2, 3, 0, 2});
    rows.push_back({year, 12, 31, year == 2004 ? 366 : 365, 8, 18, 4, 1, 2, 0, 1});
  }
  rows.push_back({2006, 1, 2, 2, 10, 20, 5, 2, 3, 0, 2});  // a last year that lacks its DOY 1
  const auto sums = Accumulate(rows);
  EXPECT_EQ(sums.year_count, 3);
  EXPECT_EQ(sums.by_day[366].count, (std::array<int32_t, 3>{1, 1, 1}));
  EXPECT_EQ(sums.by_day[365].count, (std::array<int32_t, 3>{2, 2, 2}));
  EXPECT_EQ(sums.by_month[12].count, (std::array<int32_t, 3>{3, 3, 3}));
}

TEST(WeatherAccumulation, FileThatCannotBeOpenedGivesNothing) {
  TestFolder folder;
  EXPECT_FALSE(AccumulateWorkingFile(folder / "Davis.wrk").has_value());
  EXPECT_FALSE(AccumulateWorkingFile(folder.path()).has_value());
}

}  // namespace
}  // namespace kelvaro
