#include "balance/crop_knots.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {
namespace {

// Cover values made non-decreasing from B to E; a negative cover counts as none.
struct Cover {
  int b = 0;
  int c = 0;
  int d = 0;
  int e = 0;
};

Cover NonDecreasingCover(const CropRow& row) {
  Cover cover;
  cover.b = std::max(row.ground_cover_pct[0], 0);
  cover.c = std::max(row.ground_cover_pct[1], cover.b);
  cover.d = std::max(row.ground_cover_pct[2], cover.c);
  cover.e = std::max(row.ground_cover_pct[3], cover.d);
  return cover;
}

// The sine reaches 1 at 70 % cover.
float CoverSine(int cover_pct, float pi) {
  return static_cast<float>(std::sin(cover_pct * pi / 140.0f));
}

// Class 3: Kc rises with the sine of the cover.
float SineKnot(float kc, int cover_pct, float kc2, float pi) {
  return cover_pct >= kFullCoverPct ? kc2 : kc * CoverSine(cover_pct, pi);
}

// Class 4: Kc rises with the square root of the sine of the cover.
float RootSineKnot(float kc, int cover_pct, float kc2, float pi) {
  if (cover_pct >= kFullCoverPct) return kc2;
  return kc * std::sqrt(std::max(CoverSine(cover_pct, pi), 0.0f));
}

}  // namespace

Knots CropKnots(const CropRow& row, const KnotInputs& inputs) {
  const float kc1 = row.kc[0];
  const float kc2 = row.kc[1];
  const float kc3 = row.kc[2];
  const float pi = inputs.pi;
  switch (row.CropClass()) {
    case 1:
      return {std::max(inputs.initial_kc, inputs.wetting_kc), kc2, kc2, kc3};
    case 3: {
      // Class 3 takes no cover at B; its cover chain starts at C.
      const int c = std::max(row.ground_cover_pct[1], 0);
      const int d = std::max(row.ground_cover_pct[2], c);
      return {inputs.initial_kc, SineKnot(kc2, c, kc2, pi), SineKnot(kc2, d, kc2, pi), kc3};
    }
    case 4: {
      const Cover cover = NonDecreasingCover(row);
      return {RootSineKnot(kc1, cover.b, kc2, pi), RootSineKnot(kc2, cover.c, kc2, pi),
              RootSineKnot(kc2, cover.d, kc2, pi), RootSineKnot(kc3, cover.e, kc2, pi)};
    }
    default:
      return {kc1, kc2, kc2, kc3};
  }
}

}  // namespace kelvaro
