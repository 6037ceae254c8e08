#include "balance/crop_season.h"

namespace kelvaro {
namespace {

constexpr int kDefaultWettingFrequencyDays = 30;

// A stage date `percent` of the season after planting, truncated toward zero.
int StageDay(int percent, int season_length, int planting) {
  return static_cast<int>(percent * 0.01 * season_length + planting);
}

}  // namespace

StageDays SeasonStageDays(const CropRow& row) {
  StageDays days;
  days.planting = row.planting_doy;
  days.ending = row.ending_doy <= row.planting_doy ? row.ending_doy + 365 : row.ending_doy;
  const int length = days.ending - days.planting;
  days.b = StageDay(row.stage_pct[0], length, days.planting);
  days.c = StageDay(row.stage_pct[1], length, days.planting);
  days.d = StageDay(row.stage_pct[2], length, days.planting);
  return days;
}

int WettingFrequencyDays(const CropRow& row) {
  return row.wetting_frequency_days == 0 ? kDefaultWettingFrequencyDays
                                         : row.wetting_frequency_days;
}

}  // namespace kelvaro
