#include "balance/crop_season.h"

#include <cmath>
#include <string>
#include <utility>

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

// The number conversion reads "nan" and "inf"; either would make every result of the crop nan.
void CheckFinite(const CropRow& row) {
  const std::pair<const char*, float> values[] = {
      {"maximum soil depth", row.max_soil_depth_mm},
      {"maximum rooting depth", row.max_root_depth_mm},
      {"allowable depletion", row.allowable_depletion_pct},
      {"available water", row.available_water},
      {"yield threshold depletion", row.yield_threshold_mm},
      {"Kc1", row.kc[0]},
      {"Kc2", row.kc[1]},
      {"Kc3", row.kc[2]},
      {"Ks", row.ks}};
  for (const auto& [what, value] : values) {
    if (!std::isfinite(value)) {
      throw InputError(std::string(what) + " " + std::to_string(value) + " is not a number");
    }
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
  CheckFinite(row);
}

}  // namespace kelvaro
