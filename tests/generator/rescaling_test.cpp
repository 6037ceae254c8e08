#include "generator/rescaling.h"

#include <gtest/gtest.h>

#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

// One simulated year of 2 m/s everywhere, so the wind curve is flat at 2 m/s.
struct FlatWindYear {
  FlatWindYear() {
    for (size_t m = 0; m < 12; ++m) {
      means[m] = {static_cast<int>(m + 1), 20.0f, 25.0f, 10.0f, 2.0f, 5.0f, 30.0f, 3.0f, -999.0f};
      wind_sums[0][m] = 2.0f * static_cast<float>(DayNum(1)[m]);
      for (float& ratio : ratios[m]) ratio = 1.0f;
    }
  }
  TwelveMonths means{};
  RescalingRatios ratios{};
  YearlyWindSums wind_sums{MonthlyValues{}};
};

TEST(RescaledRows, TmaxBelowTminIsRaisedToTminBeforeScalingAndNotSwappedAgainAfter) {
  FlatWindYear year;
  year.ratios[0] = {0.5f, 2.0f, 1.0f, 1.0f, 3.0f, 2.0f, 1.0f};  // Solar TMax TMin Wind Td Pcp NRD
  year.ratios[1] = {-1.0f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  const std::vector<std::string> tmp{
      "    1,   1,   1,   1,   10.00,    8.00,    9.00,    1.00,    2.00,    3.00\n",
      "    1,   2,   1,  32,    4.00,   10.00,    9.00,    1.00,    2.00,    0.00\n",
  };
  EXPECT_EQ(RescaledRows(tmp, year.ratios, year.wind_sums, year.means),
            "     1,   1,   1,   1,    5.00,   18.00,    9.00,    2.00,    6.00,    6.00\n"
            "     1,   2,   1,  32,    0.00,    5.00,    9.00,    2.00,    2.00,    0.00\n");
}

}  // namespace
}  // namespace kelvaro
