#pragma once

#include "crops/crop_row.h"

namespace kelvaro {

// Largest crop coefficient a row may hold; the catalogue's reach 1.4.
inline constexpr float kMaxCropKc = 3.0f;

// Refuses a crop row the water balance cannot use, whether it comes from the entry form or from
// a hand-edited crop file: a code without a crop class 1..4 as its ninth character; a planting
// or ending day outside 1..366; a negative area; a soil or rooting depth not above 0; an
// allowable depletion outside 0..100 %; available water outside 0..1 mm/mm; a negative
// plant-available water or yield-threshold depletion; a negative wetting frequency; a ground
// cover or stage percentage outside 0..100; a cover-crop or stress day outside 0..366; a Kc
// outside 0..3; a Ks outside 0..1. Throws InputError naming the field.
void CheckCropRow(const CropRow& row);

}  // namespace kelvaro
