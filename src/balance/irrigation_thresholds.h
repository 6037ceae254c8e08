#pragma once

#include <vector>

#include "balance/crop_season.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"

namespace kelvaro {

// Where the model irrigates one crop: the depletion thresholds (mm) per year and the days that
// switch between them. Thresholds are indexed by year index 1..Y (index 0 unused).
struct IrrigationThresholds {
  std::vector<float> initial;  // ThresholdInitial: re-wetting during the initial stage
  std::vector<float> mid;      // ThresholdMid: from the last initial wetting to the last irrigation
  std::vector<float> last;     // ThresholdLast: allowed after the last irrigation (= YTD)
  int initial_wetting_end = 0;  // InitialWettingEnd, as left by the last year
  int last_irrigation_day = 0;  // LastIrrigationDay, as left by the last year that found one
  // ETc (mm) from planting to InitialWettingEnd and from there to LastIrrigationDay, of the last
  // year whose scan found a last irrigation; the normal year traces them as "ET1=" and "ET2=".
  bool scan_stopped = false;
  float scan_initial_etc_mm = 0.0f;
  float scan_running_etc_mm = 0.0f;
};

// Places the irrigations of a crop whose Kc is in `table`. Each crop starts from zero
// thresholds, so no crop's results depend on the crop before it; a year whose scan finds no last
// irrigation (or a crop with no yield-threshold depletion) keeps them at zero.
IrrigationThresholds PlaceIrrigations(const CropRow& row, const StageDays& days,
                                      const YearDayTable& table);

}  // namespace kelvaro
