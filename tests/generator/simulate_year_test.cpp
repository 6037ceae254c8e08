#include "generator/simulate_year.h"

#include <gtest/gtest.h>

#include "generator/random_source.h"
#include "session/reporter.h"

namespace kelvaro {
namespace {

// A plain year: 60 oF highs, 40 oF lows, 400 langleys, Td 35 oF, some rain, no wind.
struct PlainYear {
  PlainYear() {
    m.PWD.fill(0.1f);
    m.PWW.fill(0.25f);
    m.ALPHA.fill(0.5f);
    m.BETA.fill(5.0f);
    m.RainFactor.fill(1.0f);
    m.wind_scale.fill(-999.0f);
    m.wind_shape.fill(-999.0f);
    d.tmax_dry_mean.fill(60.0f);
    d.tmax_wet_mean.fill(55.0f);
    d.tmax_dry_sd.fill(6.0f);
    d.tmax_wet_sd.fill(6.0f);
    d.tmin_mean.fill(40.0f);
    d.tmin_sd.fill(5.0f);
    d.solar_dry_mean.fill(400.0f);
    d.solar_wet_mean.fill(250.0f);
    d.solar_dry_sd.fill(150.0f);
    d.solar_wet_sd.fill(150.0f);
    d.RsoMax.fill(600.0f);
    d.td_mean.fill(35.0f);
    d.td_sd.fill(4.0f);
  }
  MonthlyGeneratorParameters m;
  DailyGeneratorParameters d;
  RecordingReporter reporter;
  Session session{".", reporter};
  SimulatedYear year;
};

TEST(SimulateYearDays, MonthsWithoutWindGiveMissingWindAndDrawNoWindUniform) {
  PlainYear plain;
  SimulateYearDays(365, RainMode::kKeep, plain.m, plain.d, plain.session, plain.year);
  // Without wind and rain, a day draws exactly its four normal deviates.
  RandomSeedState expected;
  for (int i = 0; i < 4 * 365; ++i) NormalDeviate(expected);
  EXPECT_EQ(plain.session.random_seed.ix1, expected.ix1);
  EXPECT_EQ(plain.session.random_seed.ix2, expected.ix2);
  EXPECT_EQ(plain.session.random_seed.ix3, expected.ix3);
  EXPECT_EQ(plain.session.random_seed.ix4, expected.ix4);
  for (int day = 0; day < 365; ++day) ASSERT_EQ(plain.year.wind[static_cast<size_t>(day)], -999.0f);
}

TEST(SimulateYearDays, RainOccurrenceInMonthsWithoutWindFollowsTheProbabilities) {
  PlainYear plain;
  plain.m.wind_scale[6] = 2.0f;  // July has wind
  plain.m.wind_shape[6] = 1.5f;
  int wet_days = 0;
  for (int y = 0; y < 4; ++y) {
    SimulateYearDays(365, RainMode::kGenerate, plain.m, plain.d, plain.session, plain.year);
    for (int day = 0; day < 365; ++day) wet_days += plain.year.pcp[static_cast<size_t>(day)] > 0;
    for (int day = 181; day < 212; ++day) ASSERT_GE(plain.year.wind[static_cast<size_t>(day)], 0);
  }
  // Stationary wet fraction PWD / (1 - PWW + PWD) = 0.118; rain of 0 on a wet day lowers it.
  EXPECT_GT(wet_days, 4 * 365 * 0.05);
  EXPECT_LT(wet_days, 4 * 365 * 0.2);
}

TEST(SimulateYearDays, RadiationStaysWithinItsBoundsAndCountsTheCuts) {
  PlainYear plain;
  SimulateYearDays(366, RainMode::kGenerate, plain.m, plain.d, plain.session, plain.year);
  int high = 0;
  int low = 0;
  for (size_t d = 0; d < 366; ++d) {
    ASSERT_LE(plain.year.solar[d], 600.0f);
    ASSERT_GE(plain.year.solar[d], 30.0f);
    high += plain.year.solar[d] == 600.0f;
    low += plain.year.solar[d] == 30.0f;
    ASSERT_GE(plain.year.tmax[d], plain.year.tmin[d]);
  }
  EXPECT_EQ(plain.year.solar_clipped_high, high);
  EXPECT_EQ(plain.year.solar_raised_low, low);
  EXPECT_GT(high, 0);
}

}  // namespace
}  // namespace kelvaro
