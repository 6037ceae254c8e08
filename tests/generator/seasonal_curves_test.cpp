#include "generator/seasonal_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

TEST(FirstHarmonicFit, EqualValuesGiveMeanNoAmplitudeAndPeakDay350) {
  const std::vector<float> values(12, 19.72f);
  const HarmonicFit fit = FirstHarmonicFit(values);
  EXPECT_EQ(fit.mean, 19.72f);
  EXPECT_EQ(fit.amplitude, 0.0f);
  EXPECT_EQ(fit.peak_day, 350.0f);
}

TEST(FirstHarmonicFit, MissingValueGivesMissingMeanAndNoCurve) {
  std::vector<float> values(12, 20.0f);
  values[7] = -999.0f;
  const HarmonicFit fit = FirstHarmonicFit(values);
  EXPECT_EQ(fit.mean, -999.0f);
  EXPECT_EQ(fit.amplitude, 0.0f);
  EXPECT_EQ(fit.peak_day, 0.0f);
}

TEST(FirstHarmonicFit, CosinePeakingInJulyIsFound) {
  std::vector<float> values;
  for (int j = 0; j < 12; ++j) {
    values.push_back(static_cast<float>(60.0 + 20.0 * std::cos(6.2832 * (j - 6) / 12.0)));
  }
  const HarmonicFit fit = FirstHarmonicFit(values);
  EXPECT_NEAR(fit.mean, 60.0f, 1e-4);
  EXPECT_NEAR(fit.amplitude, 20.0f, 1e-3);
  EXPECT_NEAR(fit.peak_day, 7.0 * 365.0 / 12.0 - 15.0, 0.01);  // mid July
}

TEST(FirstHarmonicFit, NoPointsFailsItsCheck) {
  EXPECT_THROW(FirstHarmonicFit(std::vector<float>{}), InvariantError);
}

TEST(MonthlyToDailyLinear, NormalYearHitsMidMonthsAndWrapsRoundTheYearEnd) {
  MonthlyValues monthly{};
  for (size_t m = 0; m < 12; ++m) monthly[m] = 10.0f * static_cast<float>(m + 1);
  const DailyValues daily = MonthlyToDailyLinear(monthly, /*normal_year=*/true);
  const float jan = monthly[0];
  const float dec = monthly[11];
  EXPECT_FLOAT_EQ(daily[0], dec + (jan - dec) * 17.0f / 31.0f);
  EXPECT_FLOAT_EQ(daily[14], jan);
  EXPECT_FLOAT_EQ(daily[348], dec);
  EXPECT_FLOAT_EQ(daily[364], dec + (jan - dec) * 16.0f / 31.0f);
  EXPECT_FLOAT_EQ(daily[44], monthly[1]);
  EXPECT_FLOAT_EQ(daily[29], jan + (monthly[1] - jan) * 15.0f / 30.0f);
  EXPECT_EQ(daily[365], 0.0f);
}

TEST(MonthlyToDailyLinear, LeapYearUsesLeapMidMonthDays) {
  MonthlyValues monthly{};
  for (size_t m = 0; m < 12; ++m) monthly[m] = static_cast<float>(m * m);
  const DailyValues daily = MonthlyToDailyLinear(monthly, /*normal_year=*/false);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_FLOAT_EQ(daily[static_cast<size_t>(kMidMonthDaysLeap[m] - 1)], monthly[m]) << m;
  }
  EXPECT_FLOAT_EQ(daily[365], monthly[11] + (monthly[0] - monthly[11]) * 16.0f / 31.0f);
}

}  // namespace
}  // namespace kelvaro
