#include "balance/crop_season.h"

#include <string>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

constexpr int kDefaultWettingFrequencyDays = 30;

// A stage date `percent` of the season after planting, truncated toward zero.
int StageDay(int percent, int season_length, int planting) {
  return static_cast<int>(percent * 0.01 * season_length + planting);
}

void CheckDay(int doy, const char* what) {
  if (doy < 1 || doy > 366) {
    throw InputError(std::string(what) + " " + std::to_string(doy) + " is outside 1..366");
  }
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

void CheckCropRowForBalance(const CropRow& row) {
  const int crop_class = row.CropClass();
  if (crop_class < 1 || crop_class > 4) {
    throw InputError("the crop code '" + row.code +
                     "' has no crop class 1..4 as its ninth character");
  }
  CheckDay(row.planting_doy, "planting day");
  CheckDay(row.ending_doy, "ending day");
  for (size_t i = 0; i < row.stage_pct.size(); ++i) {
    if (row.stage_pct[i] < 0 || row.stage_pct[i] > 100) {
      throw InputError("percent of season to date " + std::string(1, static_cast<char>('B' + i)) +
                       " " + std::to_string(row.stage_pct[i]) + " is outside 0..100");
    }
  }
  if (row.wetting_frequency_days < 0) {
    throw InputError("wetting frequency " + std::to_string(row.wetting_frequency_days) +
                     " is negative");
  }
}

}  // namespace kelvaro
