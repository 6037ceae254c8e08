#include "crops/crop_row_checks.h"

#include <charconv>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/message_text.h"

namespace kelvaro {
namespace {

std::string ValueText(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}
std::string ValueText(int value) { return std::to_string(value); }

template <typename Number>
void CheckRange(const std::string& field, Number value, Number lowest, Number highest) {
  if (value >= lowest && value <= highest) return;
  throw InputError(field + " " + ValueText(value) + " is outside " + ValueText(lowest) + ".." +
                   ValueText(highest));
}

template <typename Number>
void CheckNotNegative(const std::string& field, Number value) {
  if (value >= 0) return;
  throw InputError(field + " " + ValueText(value) + " is negative");
}

void CheckAboveZero(const std::string& field, float value) {
  if (value > 0.0f) return;
  throw InputError(field + " " + ValueText(value) + " is not above 0");
}

std::string Letter(size_t i) { return std::string(1, static_cast<char>('B' + i)); }

void CheckDays(const CropRow& row) {
  CheckRange("planting day", row.planting_doy, 1, 366);
  CheckRange("ending day", row.ending_doy, 1, 366);
  const char* cover_days[] = {"cover crop 1 begin", "cover crop 1 end", "cover crop 2 begin",
                              "cover crop 2 end"};
  for (size_t i = 0; i < row.cover_crop_doy.size(); ++i) {
    CheckRange(cover_days[i], row.cover_crop_doy[i], 0, 366);
  }
  CheckRange("stress begin", row.stress_begin_doy, 0, 366);
  CheckRange("stress end", row.stress_end_doy, 0, 366);
}

void CheckSoil(const CropRow& row) {
  CheckNotNegative("area", row.area_ha);
  CheckAboveZero("maximum soil depth", row.max_soil_depth_mm);
  CheckAboveZero("maximum rooting depth", row.max_root_depth_mm);
  CheckRange("allowable depletion", row.allowable_depletion_pct, 0.0f, 100.0f);
  CheckRange("available water", row.available_water, 0.0f, 1.0f);
  CheckNotNegative("plant-available water", row.plant_available_water_mm);
  CheckNotNegative("yield-threshold depletion", row.yield_threshold_mm);
  if (row.wetting_frequency_days < 0) {
    throw InputError("wetting frequency " + std::to_string(row.wetting_frequency_days) +
                     " is negative");
  }
}

void CheckCurve(const CropRow& row) {
  for (size_t i = 0; i < row.ground_cover_pct.size(); ++i) {
    CheckRange("ground cover on date " + Letter(i), row.ground_cover_pct[i], 0, 100);
  }
  for (size_t i = 0; i < row.stage_pct.size(); ++i) {
    CheckRange("percent of season to date " + Letter(i), row.stage_pct[i], 0, 100);
  }
  for (size_t i = 0; i < row.kc.size(); ++i) {
    CheckRange("Kc" + std::to_string(i + 1), row.kc[i], 0.0f, kMaxCropKc);
  }
  CheckRange("Ks", row.ks, 0.0f, 1.0f);
}

}  // namespace

void CheckCropRow(const CropRow& row) {
  const int crop_class = row.CropClass();
  if (crop_class < 1 || crop_class > 4) {
    throw InputError("the crop code " + Quoted(row.code) +
                     " has no crop class 1..4 as its ninth character");
  }
  CheckDays(row);
  CheckSoil(row);
  CheckCurve(row);
}

}  // namespace kelvaro
