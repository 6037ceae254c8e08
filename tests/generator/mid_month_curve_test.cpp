#include "generator/mid_month_curve.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

// Every node is the middle day of its month in a leap year, give or take a day.
TEST(MidMonthCurve, NodesAreTheMiddlesOfTheirMonths) {
  for (size_t m = 0; m < 12; ++m) {
    const int first = m == 0 ? 1 : kMonthEndDaysLeap[m - 1] + 1;
    const int middle_leap = (first + kMonthEndDaysLeap[m]) / 2;
    EXPECT_LE(std::abs(kMidMonthDays[m] - middle_leap), 1) << m;
  }
}

TEST(MidMonthCurve, PassesThroughEveryMonthlyMeanAtItsNodeAndIsSmoothBetween) {
  const MonthlyValues winds{1.4f, 1.6f, 1.9f, 2.2f, 2.2f, 2.1f, 2.2f, 1.9f, 1.7f, 1.6f, 1.3f, 1.4f};
  const MidMonthCurve curve(winds);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_FLOAT_EQ(curve.AtDay(kMidMonthDays[m], static_cast<int>(m + 1)), winds[m]) << m;
  }
  // Between December's and January's nodes the curve passes near their mean.
  EXPECT_NEAR(curve.AtDay(1, 1), 1.4f, 0.05f);
  EXPECT_NEAR(curve.AtDay(365, 12), 1.4f, 0.05f);
  EXPECT_GT(curve.AtDay(30, 1), 1.4f);
  EXPECT_LT(curve.AtDay(30, 1), 1.6f);
}

TEST(MidMonthCurve, MissingMonthStaysMissingAndItsNeighboursFollowThePresentMonths) {
  MonthlyValues winds{};
  winds.fill(2.0f);
  winds[4] = -999.0f;
  const MidMonthCurve curve(winds);
  for (int doy = 121; doy <= 151; ++doy) EXPECT_EQ(curve.AtDay(doy, 5), -999.0f);
  for (int doy = 91; doy <= 120; ++doy) EXPECT_NEAR(curve.AtDay(doy, 4), 2.0f, 1e-4f);
}

TEST(MidMonthCurve, CalmMonthNeverMakesTheCurveNegative) {
  MonthlyValues winds{};
  winds.fill(3.0f);
  winds[6] = 0.0f;
  const MidMonthCurve curve(winds);
  for (int doy = 1; doy <= 365; ++doy) {
    ASSERT_GE(curve.AtDay(doy, doy < 182 ? 6 : 7), 0.0f);
  }
  EXPECT_EQ(curve.AtDay(198, 7), 0.0f);
}

}  // namespace
}  // namespace kelvaro
