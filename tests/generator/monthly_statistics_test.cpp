#include "generator/monthly_statistics.h"

#include <gtest/gtest.h>

#include "generator/simulation_recipe.h"

namespace kelvaro {
namespace {

// The days of a simulated year in output units, converted as the weather generator does.
MonthRows MonthlyValuesOfYear(const SimulatedYear& year, int day_count) {
  SimulationRecipe weather;
  std::vector<DayValues> days;
  for (size_t d = 0; d < static_cast<size_t>(day_count); ++d)
    days.push_back(DayInOutputUnits(year, d, weather, {}));
  return kelvaro::MonthlyValuesOfYear(days);
}

constexpr float kFreezingF = 32.0f;  // 0 oC
constexpr size_t kFebruary29 = 59;   // day index; 1 March in a normal year

// A year of 0 oC, no radiation, no wind and no rain, except one day that holds 29 times a
// daily mean of 1 MJ/m^2, 1 oC TMax and 1 m/s, with 5 mm of rain.
SimulatedYear YearWithOneBusyDay(size_t busy_day) {
  SimulatedYear year;
  year.tmax.fill(kFreezingF);
  year.tmin.fill(kFreezingF);
  year.td.fill(kFreezingF);
  year.solar[busy_day] = 29.0f * 23.87f;
  year.tmax[busy_day] = kFreezingF + 29.0f * 1.8f;
  year.wind[busy_day] = 29.0f;
  year.pcp[busy_day] = 5.0f;
  return year;
}

TEST(MonthlyValuesOfYear, LeapFebruaryHoldsTwentyNineDaysAndIsDividedByTwentyNine) {
  const MonthRows leap = MonthlyValuesOfYear(YearWithOneBusyDay(kFebruary29), 366);
  EXPECT_NEAR(leap[1][kSolar], 1.0f, 1e-5f);
  EXPECT_NEAR(leap[1][kTMax], 1.0f, 1e-5f);
  EXPECT_FLOAT_EQ(leap[1][kWind], 1.0f);
  EXPECT_EQ(leap[1][kPcp], 5.0f);  // rain stays a monthly total
  EXPECT_EQ(leap[1][kNrd], 1.0f);
  EXPECT_EQ(leap[2][kSolar], 0.0f);
  EXPECT_EQ(leap[2][kPcp], 0.0f);

  const MonthRows normal = MonthlyValuesOfYear(YearWithOneBusyDay(kFebruary29), 365);
  EXPECT_EQ(normal[1][kSolar], 0.0f);
  EXPECT_NEAR(normal[2][kSolar], 29.0f / 31.0f, 1e-5f);
  EXPECT_FLOAT_EQ(normal[2][kWind], 29.0f / 31.0f);
  EXPECT_EQ(normal[2][kNrd], 1.0f);
}

TEST(MonthlyValuesOfYear, RainDaysStartAtFiveThousandthsOfAMillimetre) {
  SimulatedYear year;
  year.pcp[0] = 0.005f;
  year.pcp[1] = 0.0049f;
  const MonthRows rows = MonthlyValuesOfYear(year, 365);
  EXPECT_EQ(rows[0][kNrd], 1.0f);
  EXPECT_FLOAT_EQ(rows[0][kPcp], 0.0099f);
}

TEST(CoefficientsOfVariation, RainWithoutMeanUsesTenThousandthAndOtherZeroMeansAreMissing) {
  MonthRows means{};
  MonthRows sds{};
  means[0][kTMax] = 20.0f;
  sds[0][kTMax] = 2.0f;
  sds[0][kPcp] = 0.5f;
  const MonthRows cvs = CoefficientsOfVariation(means, sds);
  EXPECT_FLOAT_EQ(cvs[0][kTMax], 0.1f);
  EXPECT_FLOAT_EQ(cvs[0][kPcp], 5000.0f);
  EXPECT_EQ(cvs[0][kNrd], 0.0f);
  EXPECT_EQ(cvs[0][kTMin], -999.0f);
}

}  // namespace
}  // namespace kelvaro
