#pragma once

#include <array>

#include "balance/crop_season.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"

namespace kelvaro {

// Cover-crop increment of Kc on the days strictly between a cover crop's begin and end.
inline constexpr float kCoverCropKc = 0.35f;

struct CropCoefficients {
  StageDays stages;
  std::array<float, 367> cckc{};  // CCKc by day 0..366, the same in every year
};

// The larger of OKc and IKc; for classes 3 and 4 with the cover-crop increment added and capped
// at 1.15 in season (IKc not 0), else at 1.05. The applied Kc then adds the cover-crop floor and
// the stress factor.
float CoverCappedKc(float okc, float ikc, float cckc, int crop_class);

// Builds one crop's curve IKc and applied coefficient Kc for every year of `table` (whose ETo
// and OKc are already filled), replacing those of any crop before it. `pi` is the session's.
// The row must have passed CheckCropRow (as every row read from a crop file has).
CropCoefficients BuildCropCoefficients(const CropRow& row, YearDayTable& table, float pi);

}  // namespace kelvaro
