#include "eto/daily_eto_columns.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_folder.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

struct Columns {
  std::vector<int> doy;
  std::vector<float> solar, tmax, tmin, wind, td, pcp;
  DailyWeatherColumns View() const { return {doy, solar, tmax, tmin, wind, td, pcp}; }
};

Columns ColumnsOf(const std::vector<WeatherDay>& days) {
  Columns columns;
  for (const WeatherDay& day : days) {
    columns.doy.push_back(day.doy);
    columns.solar.push_back(day.solar);
    columns.tmax.push_back(day.tmax);
    columns.tmin.push_back(day.tmin);
    columns.wind.push_back(day.wind);
    columns.td.push_back(day.td);
    columns.pcp.push_back(day.pcp);
  }
  return columns;
}

std::vector<WeatherDay> DaysOf(const std::string& relative, bool with_eto) {
  return ParseWeatherDays(*ReadTextFile(relative), with_eto);
}

TEST(DailyEtoColumnsTest, PenmanMonteithGivesTheDailyEtoFileValueForValue) {
  const auto weather = DaysOf(testing::GoldenInputPath("eto/MARDY.day"), false);
  const auto written = DaysOf(testing::GoldenPath("eto/day/MARDY.eto"), true);
  ASSERT_EQ(weather.size(), written.size());
  const Columns columns = ColumnsOf(weather);
  std::vector<float> eto(weather.size());
  DailyPenmanMonteithEto(columns.View(), 33.07f, 361.0f, eto);
  for (size_t i = 0; i < eto.size(); ++i) {
    EXPECT_EQ(Printf("%8.2f", eto[i]), Printf("%8.2f", written[i].eto)) << "day " << i + 1;
  }
}

TEST(DailyEtoColumnsTest, HargreavesOfMissingAndInvertedTemperatures) {
  const Columns columns{{180, 180, 180},       {}, {35.0f, -999.0f, 10.0f},
                        {15.0f, 15.0f, 20.0f}, {}, {}};
  std::vector<float> eto(3);
  DailyHargreavesEto(columns.View(), 33.07f, eto);
  EXPECT_GT(eto[0], 5.0f);
  EXPECT_EQ(eto[1], -999.0f);
  EXPECT_EQ(eto[2], 0.0f);
}

TEST(DailyEtoColumnsTest, RefusesUnequalColumnsBadDaysAndSolarAboveRa) {
  Columns columns{{1, 2}, {10, 10}, {20, 20}, {5, 5}, {2, 2}, {1}};
  std::vector<float> eto(2);
  EXPECT_THROW(DailyPenmanMonteithEto(columns.View(), 33.0f, 300.0f, eto), InputError);
  columns.td = {1, 1};
  columns.doy = {1, 367};
  EXPECT_THROW(DailyHargreavesEto(columns.View(), 33.0f, eto), InputError);
  columns.doy = {1, 2};
  columns.solar = {10, 300};
  try {
    DailyPenmanMonteithEto(columns.View(), 33.0f, 300.0f, eto);
    FAIL() << "Solar in W/m^2 was taken";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("day 2: Solar 300", 0), 0u) << error.what();
  }
}

}  // namespace
}  // namespace kelvaro
