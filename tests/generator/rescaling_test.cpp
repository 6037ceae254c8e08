#include "generator/rescaling.h"

#include <gtest/gtest.h>

#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

using Kind = Rescale::Kind;

// One simulated year of 2 m/s everywhere, so the wind curve is flat at 2 m/s.
struct FlatWindYear {
  FlatWindYear() {
    for (size_t m = 0; m < 12; ++m) {
      wind_sums[0][m] = 2.0f * static_cast<float>(DayNum(1)[m]);
    }
  }
  Rescaling rescaling{};
  YearlyWindSums wind_sums{MonthlyValues{}};
};

TEST(RescaledRows, TemperaturesShiftTheDewPointStaysAtOrBelowTmaxAndTmaxIsNotSwappedAgain) {
  FlatWindYear year;
  year.rescaling[0][kSolar] = {Kind::kRatio, 0.5f};
  year.rescaling[0][kTMax] = {Kind::kShift, 2.0f};
  year.rescaling[0][kTd] = {Kind::kShift, 30.0f};
  year.rescaling[0][kPcp] = {Kind::kRatio, 2.0f};
  year.rescaling[1][kSolar] = {Kind::kRatio, -1.0f};
  year.rescaling[1][kTMax] = {Kind::kShift, -3.0f};
  const std::vector<std::string> tmp{
      "    1,   1,   1,   1,   10.00,    8.00,    9.00,    1.00,    2.00,    3.00\n",
      "    1,   2,   1,  32,    4.00,   10.00,    9.00,    1.00,    2.00,    0.00\n",
  };
  // January: TMax 8 raised to TMin 9 then shifted to 11; Td 2 + 30 = 32 lowered to 11.
  // February: TMax 10 - 3 = 7 stays below TMin 9.
  EXPECT_EQ(RescaledRows(tmp, year.rescaling, year.wind_sums),
            "     1,   1,   1,   1,    5.00,   11.00,    9.00,    2.00,   11.00,    6.00\n"
            "     1,   2,   1,  32,    0.00,    7.00,    9.00,    2.00,    2.00,    0.00\n");
}

TEST(RescalingToInput, TemperatureShiftsByTheDifferenceOfTheMeans) {
  TwelveMonths input{};
  MonthRows simulated{};
  for (size_t m = 0; m < 12; ++m) {
    input[m] = {static_cast<int>(m + 1), 5.0f, 3.0f, -4.0f, 0.5f, -999.0f, 0.0f, 0.0f, -999.0f};
    simulated[m] = {4.0f, 1.5f, -2.0f, 0.0f, -572.78f, 0.0f, 0.0f, 0.0f};
  }
  const RescalingRules rules{.ratio = Quantities({kSolar, kPcp}),
                             .ratio_if_positive = Quantities({kWind}),
                             .shifted = Quantities({kTMax, kTMin, kTd})};
  const Rescaling rescaling = RescalingToInput(input, simulated, rules);
  const RescalingRow& january = rescaling[0];
  // TMax: input 3.0, simulated 1.5, shift +1.5: a day at -2.25 becomes -0.75 (a ratio of 2
  // would have made it -4.5). TMin: input -4.0, simulated -2.0, shift -2.0: 1.0 becomes -1.0.
  EXPECT_EQ(january[kTMax].Applied(-2.25f), -0.75f);
  EXPECT_EQ(january[kTMin].Applied(1.0f), -1.0f);
  EXPECT_EQ(january[kSolar].Applied(8.0f), 10.0f);
  // A calm month (no positive Weibull scale) takes the input wind; a missing Td stays missing.
  EXPECT_EQ(january[kWind].Applied(0.0f), 0.5f);
  EXPECT_EQ(january[kTd].Applied(-572.78f), -999.0f);

  const MonthRows means = RescaledMeans(simulated, rescaling);
  EXPECT_EQ(means[0][kTMax], 3.0f);
  EXPECT_EQ(means[0][kTMin], -4.0f);
  EXPECT_EQ(means[0][kWind], 0.5f);
}

}  // namespace
}  // namespace kelvaro
