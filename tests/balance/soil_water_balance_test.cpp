#include "balance/soil_water_balance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "balance/balance_fixtures.h"

namespace kelvaro {
namespace {

using testing::CropRun;
using testing::MakeCrop;
using testing::MakeYears;
using testing::RunCrop;

// 5 mm of ETo every day and no rain: in season Kc is 1 (OKc stays below it), so ETc is 5 mm.
std::vector<WeatherDay> DryYear(int rain_day = 0, float rain_mm = 0.0f) {
  return MakeYears(2001, 1, [=](WeatherDay& d) {
    d.eto = 5.0f;
    d.pcp = d.doy == rain_day ? rain_mm : 0.0f;
  });
}

// Days 100..240 (141 days), B on day 114; 0.15 mm/mm at 50 % over 300 mm of bare soil gives a
// bare-soil depletion limit of 22.5 mm.
CropRow PlainCrop() {
  CropRow crop = MakeCrop(2, "Field crop", 100, 240);
  crop.yield_threshold_mm = 40.0f;
  return crop;
}

TEST(IrrigationThresholds, WettingFrequencyLongerThanTheInitialStageUsesTheMidThreshold) {
  const CropRun run = RunCrop(PlainCrop(), DryYear());
  // No wetting fits between L and B: the initial stage ends on B = 114 and shares the mid
  // threshold. Season ETc 705 mm, 75 mm to B; the last irrigation is the first day on which less
  // than 40 mm of the season is left: 595 mm after B, on day 233, spread over 15 irrigations.
  EXPECT_EQ(run.thresholds.initial_wetting_end, 114);
  EXPECT_EQ(run.thresholds.last_irrigation_day, 233);
  EXPECT_FLOAT_EQ(run.thresholds.mid[1], 595.0f / 15);
  EXPECT_EQ(run.thresholds.initial[1], run.thresholds.mid[1]);
  EXPECT_EQ(run.thresholds.last[1], 40.0f);
}

TEST(IrrigationThresholds, PreIrrigationAddsAWettingAndEmptiesTheSoilOnPlantingDay) {
  CropRow crop = PlainCrop();
  crop.wetting_frequency_days = 7;  // two wettings fit before B = 114
  const CropRun plain = RunCrop(crop, DryYear());
  crop.pre_irrigated = "Y";
  const CropRun pre = RunCrop(crop, DryYear());

  EXPECT_EQ(pre.thresholds.initial_wetting_end, 114);
  EXPECT_FLOAT_EQ(plain.thresholds.initial[1], 75.0f / 2);
  EXPECT_FLOAT_EQ(pre.thresholds.initial[1], 75.0f / 3);
  // The bare soil before planting is at its 22.5 mm limit; pre-irrigation empties it first.
  EXPECT_FLOAT_EQ(plain.Day(1, 100).swd, 27.5f);
  EXPECT_FLOAT_EQ(pre.Day(1, 100).swd, 5.0f);
}

TEST(SoilWaterBalance, IrrigatesBackToNoDepletionAtTheThreshold) {
  const CropRun run = RunCrop(PlainCrop(), DryYear());
  // From 22.5 mm on planting day the soil reaches the 39.67 mm threshold on day 103, then every
  // eight days.
  EXPECT_FLOAT_EQ(run.Day(1, 102).swd, 37.5f);
  EXPECT_EQ(run.Day(1, 103).swd, 0.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 110).swd, 35.0f);
  EXPECT_EQ(run.Day(1, 111).swd, 0.0f);
}

TEST(SoilWaterBalance, FirstEmptySoilAfterTheLastIrrigationClosesTheSeason) {
  const CropRun run = RunCrop(PlainCrop(), DryYear());
  // Irrigated on day 239, after the last irrigation day 233: the season closes and the soil may
  // then dry to the yield threshold of 40 mm, after the season too.
  EXPECT_EQ(run.Day(1, 239).swd, 0.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 240).swd, 5.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 241).swdx, 40.0f);
  float deepest_after_season = 0.0f;
  for (int d = 241; d <= 365; ++d) {
    deepest_after_season = std::max(deepest_after_season, run.Day(1, d).swd);
  }
  EXPECT_GT(deepest_after_season, 22.5f);
  EXPECT_LE(deepest_after_season, 40.0f);
}

// With a yield threshold of 32 mm the last irrigation day is 234 (600 mm after B, 19
// irrigations of 31.58 mm), and an irrigation falls on that very day.
CropRow CropIrrigatedOnItsLastIrrigationDay() {
  CropRow crop = PlainCrop();
  crop.yield_threshold_mm = 32.0f;
  return crop;
}

TEST(SoilWaterBalance, IrrigationOnTheLastIrrigationDayLeavesTheSeasonOpen) {
  const CropRun run = RunCrop(CropIrrigatedOnItsLastIrrigationDay(), DryYear());
  ASSERT_EQ(run.thresholds.last_irrigation_day, 234);
  EXPECT_EQ(run.Day(1, 234).swd, 0.0f);
  // Only a day after it closes the season; none comes, so the season ends managed and the bare
  // soil keeps the 30 mm it ended with as its limit rather than the 32 mm yield threshold.
  EXPECT_FLOAT_EQ(run.Day(1, 240).swd, 30.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 241).swdx, 30.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 299).swd, 30.0f);
}

TEST(SoilWaterBalance, RainOnASoilDrierThanTheBareSoilLimitIsEffectiveUpToTheLimit) {
  // After the season the soil holds a 30 mm depletion; 50 mm of rain on day 300 reset the limit
  // to the bare soil's 22.5 mm, and only that much of the rain is effective.
  const CropRun run = RunCrop(CropIrrigatedOnItsLastIrrigationDay(), DryYear(300, 50.0f));
  EXPECT_FLOAT_EQ(run.Day(1, 299).swd, 30.0f);
  EXPECT_FLOAT_EQ(run.Day(1, 300).swd, 7.5f);
  EXPECT_FLOAT_EQ(run.Day(1, 300).swdx, 22.5f);
  EXPECT_FLOAT_EQ(run.sums.ocer[1], 22.5f);
}

TEST(SoilWaterBalance, RainBeyondTheDepletionIsNotEffective) {
  // Three days after the irrigation of day 103 the depletion is 15 mm; 100 mm of rain fall.
  const CropRun run = RunCrop(PlainCrop(), DryYear(106, 100.0f));
  EXPECT_EQ(run.Day(1, 106).swd, 0.0f);
  EXPECT_FLOAT_EQ(run.sums.cer[1], 15.0f);
  EXPECT_FLOAT_EQ(run.sums.month_er[3], 15.0f);  // April
}

TEST(SoilWaterBalance, OutOfSeasonETcCountsOnlyWhatTheSoilCanSupply) {
  // Weather up to day 120 only; the crop is planted on day 150, so its season has no weather
  // (nor is its tail folded onto the days that have some).
  auto days = DryYear();
  days.resize(120);
  const CropRun run = RunCrop(MakeCrop(2, "Late crop", 150, 250), days);
  float etc_mm = 0.0f;
  for (const auto& row : run.rows) etc_mm += row.etc;
  EXPECT_GT(etc_mm, 30.0f);
  EXPECT_FLOAT_EQ(run.sums.ocetc[1], 22.5f);
  EXPECT_FLOAT_EQ(run.rows.back().swd, 22.5f);
  EXPECT_EQ(run.sums.cetc[1], 0.0f);
}

TEST(SoilWaterBalance, DaysGoToTheMonthThatHoldsThem) {
  const auto days = MakeYears(2001, 1, [](WeatherDay& d) {
    d.eto = d.doy == 32 ? 100.0f : 1.0f;
    d.pcp = d.doy == 32 ? 3.0f : 0.0f;
  });
  const CropRun run = RunCrop(MakeCrop(2, "Alfalfa(annual)", 1, 365), days);
  EXPECT_FLOAT_EQ(run.sums.month_eto[0], 31.0f);
  EXPECT_FLOAT_EQ(run.sums.month_eto[1], 127.0f);
  EXPECT_FLOAT_EQ(run.sums.month_etc[1], 127.0f);
  EXPECT_FLOAT_EQ(run.sums.month_pcp[1], 3.0f);
  EXPECT_FLOAT_EQ(run.sums.month_eto[11], 31.0f);
}

TEST(SoilWaterBalance, TracesTheThresholdsOnAnInSeasonDay365) {
  const auto days = MakeYears(2001, 2, [](WeatherDay& d) { d.eto = 5.0f; });
  const CropRun run = RunCrop(MakeCrop(2, "Alfalfa(annual)", 1, 365), days);
  ASSERT_EQ(run.traces.size(), 4u);
  EXPECT_EQ(run.traces[0].substr(0, 4), "NA2=");
  EXPECT_EQ(run.traces[1], "NA3=75");
}

TEST(SoilWaterBalance, NoYieldThresholdLeavesEveryThresholdAtZero) {
  CropRow crop = PlainCrop();
  crop.yield_threshold_mm = 0.0f;
  const CropRun run = RunCrop(crop, DryYear());
  EXPECT_EQ(run.thresholds.last_irrigation_day, 0);
  EXPECT_EQ(run.thresholds.mid[1], 0.0f);
  // With a zero threshold every in-season day is irrigated back to no depletion.
  EXPECT_EQ(run.Day(1, 150).swd, 0.0f);
}

TEST(MonthAverages, RainAboveETcGivesNoETAW) {
  CropSums sums(2);
  sums.month_etc[5] = 20.0f;
  sums.month_er[5] = 30.0f;
  sums.month_etc[6] = 30.0f;
  sums.month_er[6] = 10.0f;
  const auto months = MonthAverages(sums);
  EXPECT_EQ(months[5].etaw, 0.0f);
  EXPECT_EQ(months[5].er, 15.0f);
  EXPECT_EQ(months[6].etaw, 10.0f);
}

}  // namespace
}  // namespace kelvaro
