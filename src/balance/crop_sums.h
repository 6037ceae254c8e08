#pragma once

#include <array>
#include <vector>

#include "balance/irrigation_events.h"

namespace kelvaro {

// One crop's sums (mm): per year index 1..Y (index 0 unused) in and out of season, and per
// calendar month summed over all years.
struct CropSums {
  explicit CropSums(int year_count);

  int year_count;
  std::vector<float> cetc;   // in-season ETc
  std::vector<float> cer;    // in-season effective rain
  std::vector<float> ocetc;  // out-of-season ETc
  std::vector<float> ocer;   // out-of-season effective rain
  std::array<float, 12> month_eto{};
  std::array<float, 12> month_etc{};
  std::array<float, 12> month_pcp{};
  std::array<float, 12> month_er{};
  std::vector<IrrigationEvent> irrigations;  // in day order; refills of a positive depth only
};

// A month's averages over the years (mm); ETAW is ETc - Er, or 0 when the rain covers it.
struct MonthAverage {
  float eto = 0.0f;
  float etc = 0.0f;
  float pcp = 0.0f;
  float er = 0.0f;
  float etaw = 0.0f;
};

std::array<MonthAverage, 12> MonthAverages(const CropSums& sums);

}  // namespace kelvaro
