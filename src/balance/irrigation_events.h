#pragma once

namespace kelvaro {

// A refill the water balance scheduled: the soil of the root zone brought back to no depletion.
enum class IrrigationKind {
  kPreIrrigation,  // the planting-day refill of a pre-irrigated crop
  kIrrigation,     // in season, when the depletion reached the day's threshold
};

struct IrrigationEvent {
  int year_index = 0;  // 1 = the first year of the working daily file
  int doy = 0;
  float depth_mm = 0.0f;  // the depletion refilled
  IrrigationKind kind = IrrigationKind::kIrrigation;
};

}  // namespace kelvaro
