#pragma once

#include "crops/crop_row.h"

namespace kelvaro {

// The crop curve's values at the stage dates B, C, D and E of one year.
struct Knots {
  float b = 0.0f;
  float c = 0.0f;
  float d = 0.0f;
  float e = 0.0f;
};

// What the knots of one year depend on besides the crop row.
struct KnotInputs {
  float initial_kc = 0.0f;  // common to all years
  float wetting_kc = 0.0f;  // of this year; class 1 only
  float pi = 0.0f;
};

// Ground cover (percent) at and above which a knot is Kc2.
inline constexpr int kFullCoverPct = 65;

// Knots by crop class: 1 field crops with wetted initial soil, 2 weather-independent curves,
// 3 and 4 orchards and vines whose coefficients follow ground cover.
Knots CropKnots(const CropRow& row, const KnotInputs& inputs);

}  // namespace kelvaro
