#include "balance/crop_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "balance/balance_fixtures.h"
#include "balance/bare_soil_evaporation.h"
#include "balance/crop_knots.h"
#include "session/session.h"

namespace kelvaro {
namespace {

using testing::MakeCrop;
using testing::MakeYears;
using testing::TableFor;
using Series = YearDayTable::Series;

// A day of ETo `eto` mm and rain `pcp` mm.
std::function<void(WeatherDay&)> Steady(float eto, float pcp) {
  return [eto, pcp](WeatherDay& d) {
    d.eto = eto;
    d.pcp = pcp;
  };
}

TEST(BareSoilEvaporation, RainEqualToTheRunningMeanIsNotAWetting) {
  // Day 1: four days' worth of ETo over two days since wetting gives a running mean of 2 mm.
  for (const auto& [rain, expected_okc] : {std::pair{2.0f, 0.99f}, std::pair{2.5f, 0.93f}}) {
    YearDayTable table(2001, 1);
    BareSoilState state;
    WeatherDay day;
    day.year = 2001;
    day.doy = 1;
    day.eto = 4.0f;
    day.pcp = rain;
    AccumulateBareSoilEvaporation(day, state, table);
    // Not wetted: m = 2, f = 0.99, Ep = 3.96. Wetted: m = 4, f = 0.93, Ep = 3.72.
    EXPECT_FLOAT_EQ(table.Get(Series::kOKc, 1, 1), expected_okc) << "rain " << rain;
  }
}

TEST(BareSoilEvaporation, DryDaysAndMissingValuesCarryOver) {
  YearDayTable table(2001, 1);
  BareSoilState state;
  WeatherDay day;
  day.year = 2001;
  for (const auto& [doy, eto, pcp] : {std::tuple{1, 5.0f, 0.0f}, std::tuple{2, -999.0f, -999.0f},
                                      std::tuple{3, 0.0f, 0.0f}, std::tuple{4, 5.0f, 0.0f}}) {
    day.doy = doy;
    day.eto = eto;
    day.pcp = pcp;
    AccumulateBareSoilEvaporation(day, state, table);
  }
  // A missing or zero ETo takes the day before's; missing rain is none.
  EXPECT_EQ(table.Get(Series::kETo, 1, 2), 5.0f);
  EXPECT_EQ(table.Get(Series::kETo, 1, 3), 5.0f);
  EXPECT_EQ(table.Get(Series::kPcp, 1, 2), 0.0f);
  // Stage two. Day 3: 15 mm over 4 days, f = 1.05 - 0.03 * 3.75, Ecum = 2.6 sqrt(f * 15).
  // Day 4: 20 mm over 5 days, f = 1.05 - 0.03 * 4.
  const float before = 2.6f * std::sqrt(0.9375f * 15.0f);
  const float after = 2.6f * std::sqrt(0.93f * 20.0f);
  EXPECT_NEAR(table.Get(Series::kOKc, 1, 4), (after - before) / 5.0f, 1e-6);
}

TEST(CropCoefficients, DefaultAlfalfaCurveIsOneAllYearAndKcNeverBelowOKc) {
  // Rain every fifth day makes OKc rise above 1 on wetting days (f = 1.05 - 0.03 * 1 mm).
  const auto days = MakeYears(2003, 2, [](WeatherDay& d) {
    d.eto = 1.0f;
    d.pcp = d.doy % 5 == 0 ? 10.0f : 0.0f;
  });
  YearDayTable table = TableFor(days);
  CropRow alfalfa = MakeCrop(2, "Alfalfa(annual)", 1, 365);
  alfalfa.stage_pct = {0, 0, 100};
  BuildCropCoefficients(alfalfa, table, kStartPi);
  int days_above_one = 0;
  for (int year = 1; year <= 2; ++year) {
    for (int d = 1; d <= table.DaysInYear(year); ++d) {
      const float okc = table.Get(Series::kOKc, year, d);
      ASSERT_EQ(table.Get(Series::kIKc, year, d), 1.0f) << year << " " << d;
      ASSERT_EQ(table.Get(Series::kKc, year, d), std::max(okc, 1.0f)) << year << " " << d;
      days_above_one += okc > 1.0f;
    }
  }
  EXPECT_GT(days_above_one, 100);
  // 2004 has 366 days: day 366 copies day 365 although the season ends on day 365.
  EXPECT_EQ(table.DaysInYear(2), 366);
}

TEST(CropCoefficients, SeasonFromNovemberToMayFoldsIntoTheSameYear) {
  const auto days = MakeYears(2001, 1, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  CropRow grain = MakeCrop(2, "Small grain", 305, 151);
  grain.kc = {0.3f, 1.1f, 0.2f};
  const auto result = BuildCropCoefficients(grain, table, kStartPi);
  EXPECT_EQ(result.stages.ending, 516);
  for (int d = 1; d <= 365; ++d) {
    const bool in_season = d <= 151 || d >= 305;
    EXPECT_EQ(table.Get(Series::kIKc, 1, d) != 0.0f, in_season) << "day " << d;
  }
  // The curve rises from Kc1 after B and ends at Kc3 on M (day 151).
  EXPECT_FLOAT_EQ(table.Get(Series::kIKc, 1, 305), 0.3f);
  EXPECT_NEAR(table.Get(Series::kIKc, 1, 151), 0.2f, 1e-5);
}

TEST(CropCoefficients, LeapYearDay366CopiesDay365) {
  const auto days = MakeYears(2004, 1, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  CropRow crop = MakeCrop(2, "Late crop", 200, 365);
  crop.kc = {0.3f, 1.1f, 0.6f};
  BuildCropCoefficients(crop, table, kStartPi);
  EXPECT_NEAR(table.Get(Series::kIKc, 1, 365), 0.6f, 1e-5);
  EXPECT_EQ(table.Get(Series::kIKc, 1, 366), table.Get(Series::kIKc, 1, 365));
}

TEST(CropCoefficients, ZeroLengthStagesRunWithoutStopping) {
  // Alfalfa(Cycle): D at 100 % of the season leaves no days between D and E.
  const auto days = MakeYears(2001, 2, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  CropRow cycle = MakeCrop(2, "Alfalfa(Cycle)", 60, 90);
  cycle.stage_pct = {10, 40, 100};
  cycle.kc = {0.4f, 1.2f, 1.0f};
  auto result = BuildCropCoefficients(cycle, table, kStartPi);
  EXPECT_EQ(result.stages.d, result.stages.ending);
  for (int year = 1; year <= 2; ++year) {
    EXPECT_NEAR(table.Get(Series::kIKc, year, 90), 1.2f, 1e-5);
  }
  // B = C as well: the curve only climbs through the stages that have days.
  cycle.stage_pct = {40, 40, 100};
  result = BuildCropCoefficients(cycle, table, kStartPi);
  EXPECT_EQ(result.stages.b, result.stages.c);
  for (int d = 60; d <= 90; ++d) {
    ASSERT_TRUE(std::isfinite(table.Get(Series::kIKc, 1, d))) << d;
    ASSERT_TRUE(std::isfinite(table.Get(Series::kKc, 1, d))) << d;
  }
  EXPECT_NEAR(table.Get(Series::kIKc, 1, 90), 0.4f, 1e-5);
}

TEST(CropCoefficients, CoverCropDaysRaiseKcToAtLeastPointNine) {
  const auto days = MakeYears(2001, 1, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  orchard.ground_cover_pct = {0, 10, 20, 0};
  orchard.cover_crop_doy = {10, 50, 0, 0};
  const auto result = BuildCropCoefficients(orchard, table, kStartPi);
  EXPECT_EQ(result.cckc[10], 0.0f);
  EXPECT_EQ(result.cckc[50], 0.0f);
  EXPECT_EQ(result.cckc[11], kCoverCropKc);
  EXPECT_EQ(result.cckc[49], kCoverCropKc);
  // A dry bare soil evaporates little; the cover crop lifts Kc to 0.9, but not on its end days.
  EXPECT_LT(table.Get(Series::kOKc, 1, 30) + kCoverCropKc, 0.9f);
  EXPECT_FLOAT_EQ(table.Get(Series::kKc, 1, 30), 0.9f);
  EXPECT_LT(table.Get(Series::kKc, 1, 50), 0.9f);
}

TEST(CropCoefficients, WaterStressScalesClassThreeKcInsideItsPeriodOnly) {
  const auto days = MakeYears(2001, 1, Steady(5.0f, 0.0f));
  YearDayTable stressed_table = TableFor(days);
  YearDayTable plain_table = TableFor(days);
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  orchard.ground_cover_pct = {0, 70, 70, 0};
  BuildCropCoefficients(orchard, plain_table, kStartPi);
  orchard.ks = 0.5f;
  orchard.stress_begin_doy = 200;
  orchard.stress_end_doy = 220;
  BuildCropCoefficients(orchard, stressed_table, kStartPi);
  EXPECT_EQ(stressed_table.Get(Series::kKc, 1, 200), plain_table.Get(Series::kKc, 1, 200));
  EXPECT_FLOAT_EQ(stressed_table.Get(Series::kKc, 1, 210),
                  0.5f * plain_table.Get(Series::kKc, 1, 210));

  // Vines and other class 4 crops take no stress factor.
  CropRow vine = orchard;
  vine.code[8] = '4';
  BuildCropCoefficients(vine, stressed_table, kStartPi);
  vine.ks = 1.0f;
  BuildCropCoefficients(vine, plain_table, kStartPi);
  EXPECT_EQ(stressed_table.Get(Series::kKc, 1, 210), plain_table.Get(Series::kKc, 1, 210));
}

TEST(CropCoefficients, FieldCropsTakeNoCoverCropIncrement) {
  const auto days = MakeYears(2001, 1, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  for (const int crop_class : {1, 2}) {
    CropRow crop = MakeCrop(crop_class, "Field crop", 60, 300);
    crop.cover_crop_doy = {10, 50, 0, 0};
    const auto result = BuildCropCoefficients(crop, table, kStartPi);
    EXPECT_EQ(result.cckc[30], kCoverCropKc);  // shown in the daily file all the same
    EXPECT_EQ(table.Get(Series::kKc, 1, 30), table.Get(Series::kOKc, 1, 30)) << crop_class;
  }
}

TEST(CropCoefficients, SeasonEndingOnItsPlantingDayLastsAWholeYear) {
  const auto days = MakeYears(2001, 1, Steady(5.0f, 0.0f));
  YearDayTable table = TableFor(days);
  const auto result = BuildCropCoefficients(MakeCrop(2, "Pasture", 100, 100), table, kStartPi);
  EXPECT_EQ(result.stages.ending, 465);
  for (int d = 1; d <= 365; ++d) ASSERT_NE(table.Get(Series::kIKc, 1, d), 0.0f) << d;
}

// A table of whole years with the given ETo and OKc on every day.
YearDayTable FilledTable(int year_count, float eto, const std::vector<float>& okc_by_year) {
  YearDayTable table(2001, year_count);
  for (int year = 1; year <= year_count; ++year) {
    table.SetDaysInYear(year, 365);
    for (int d = 1; d <= 365; ++d) {
      table.Set(Series::kETo, year, d, eto);
      table.Set(Series::kOKc, year, d, okc_by_year[static_cast<size_t>(year - 1)]);
    }
  }
  return table;
}

TEST(CropCoefficients, InitialKcIsTheSmallestYearlyMeanButAtMostTwo) {
  // Class 3 starts its curve at InitialKc; B is day 84.
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  YearDayTable table = FilledTable(2, 5.0f, {3.0f, 2.5f});
  BuildCropCoefficients(orchard, table, kStartPi);
  EXPECT_EQ(table.Get(Series::kIKc, 1, 84), 2.0f);
  EXPECT_EQ(table.Get(Series::kIKc, 2, 60), 2.0f);

  table = FilledTable(2, 5.0f, {3.0f, 1.5f});
  BuildCropCoefficients(orchard, table, kStartPi);
  EXPECT_EQ(table.Get(Series::kIKc, 1, 84), 1.5f);

  // A crop whose B is 1 % of the season (rice) starts from Kc1 whatever the soil does; its
  // wetting coefficient (30 days of 5 mm: 2.6 sqrt(0.9 * 150) / 150 = 0.20) is smaller.
  CropRow rice = MakeCrop(1, "Rice", 135, 273);
  rice.stage_pct = {1, 30, 80};
  rice.kc = {1.4f, 1.03f, 0.8f};
  BuildCropCoefficients(rice, table, kStartPi);
  EXPECT_FLOAT_EQ(table.Get(Series::kIKc, 1, 135), 1.4f);
}

TEST(CropCoefficients, OrchardsAverageTheBareSoilOverTenDaysPastB) {
  // Days 60..84 (to B) with OKc 0.5 and the ten days after B with 1.2: 24.5 / 35 = 0.7.
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  YearDayTable table = FilledTable(1, 5.0f, {0.5f});
  for (int d = 85; d <= 94; ++d) table.Set(Series::kOKc, 1, d, 1.2f);
  BuildCropCoefficients(orchard, table, kStartPi);
  EXPECT_FLOAT_EQ(table.Get(Series::kIKc, 1, 84), 0.7f);
}

TEST(CropCoefficients, CoverCropKcIsCappedAtOnePointFifteenInSeasonAndOnePointOFiveOutside) {
  // Full cover: every knot is Kc2 = 1. A cover crop all year adds 0.35 to every day.
  CropRow vine = MakeCrop(4, "Vine", 100, 300);
  vine.ground_cover_pct = {70, 70, 70, 70};
  vine.cover_crop_doy = {0, 366, 0, 0};
  for (const int crop_class : {3, 4}) {
    vine.code[8] = static_cast<char>('0' + crop_class);
    YearDayTable table = FilledTable(1, 5.0f, {0.1f});
    table.Set(Series::kOKc, 1, 30, 1.0f);  // a wet bare soil before the season
    BuildCropCoefficients(vine, table, kStartPi);
    EXPECT_FLOAT_EQ(table.Get(Series::kKc, 1, 200), 1.15f) << crop_class;
    EXPECT_FLOAT_EQ(table.Get(Series::kKc, 1, 30), 1.05f) << crop_class;
    EXPECT_FLOAT_EQ(table.Get(Series::kKc, 1, 80), 0.9f) << crop_class;
  }
}

TEST(CropKnots, ClassFourFollowsTheRootOfTheCoverSineUpToFullCover) {
  CropRow vine = MakeCrop(4, "Vine", 90, 300);
  vine.kc = {0.5f, 0.9f, 0.7f};
  const KnotInputs inputs{0.2f, 0.0f, kStartPi};

  vine.ground_cover_pct = {40, 40, 40, 40};
  Knots knots = CropKnots(vine, inputs);
  EXPECT_FLOAT_EQ(knots.b, 0.5f * std::sqrt(std::sin(40 * kStartPi / 140)));
  EXPECT_FLOAT_EQ(knots.e, 0.7f * std::sqrt(std::sin(40 * kStartPi / 140)));

  // From 65 % every knot is Kc2, even at B and E; later covers never fall below earlier ones.
  vine.ground_cover_pct = {65, 30, 30, 30};
  knots = CropKnots(vine, inputs);
  EXPECT_EQ(knots.b, 0.9f);
  EXPECT_EQ(knots.c, 0.9f);
  EXPECT_EQ(knots.e, 0.9f);
}

TEST(CropKnots, ClassThreeCoverAtDNeverFallsBelowCoverAtC) {
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  orchard.kc = {0.3f, 1.0f, 0.6f};
  orchard.ground_cover_pct = {0, 50, 30, 0};
  const Knots knots = CropKnots(orchard, {0.2f, 0.0f, kStartPi});
  EXPECT_FLOAT_EQ(knots.b, 0.2f);
  EXPECT_FLOAT_EQ(knots.c, std::sin(50 * kStartPi / 140));
  EXPECT_FLOAT_EQ(knots.d, knots.c);
  EXPECT_FLOAT_EQ(knots.e, 0.6f);
}

TEST(CropKnots, NegativeGroundCoverCountsAsNone) {
  CropRow vine = MakeCrop(4, "Vine", 90, 300);
  vine.ground_cover_pct = {-20, -5, 10, 10};
  const Knots knots = CropKnots(vine, {0.2f, 0.0f, kStartPi});
  EXPECT_EQ(knots.b, 0.0f);
  EXPECT_EQ(knots.c, 0.0f);
  EXPECT_TRUE(std::isfinite(knots.d));
}

}  // namespace
}  // namespace kelvaro
