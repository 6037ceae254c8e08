#pragma once

#include <array>

#include "generator/seasonal_curves.h"
#include "session/session.h"

namespace kelvaro {

// Lag-one and innovation coefficients of the daily residuals of TMax, TMin, Solar and Td,
// stored column-major: element (row i, column j) is at [4 j + i].
inline constexpr std::array<float, 16> kResidualMatrixA{
    0.753f, 0.188f, -0.023f, 0.094f, 0.089f, 0.683f, 0.136f, 0.006f,
    0.092f, 0.013f, 0.763f,  0.025f, 0.023f, 0.065f, 0.030f, 0.771f};
inline constexpr std::array<float, 16> kResidualMatrixB{
    -0.238f, 0.169f,  -0.522f, 0.230f, -0.268f, -0.291f, -0.158f, -0.423f,
    -0.075f, -0.315f, 0.041f,  0.249f, 0.212f,  -0.087f, -0.136f, -0.024f};

// Per-month parameters of one simulation (index = month - 1). Wind scale and shape are -999
// in months without wind.
struct MonthlyGeneratorParameters {
  MonthlyValues PWW{};  // probability of a wet day after a wet day
  MonthlyValues PWD{};  // probability of a wet day after a dry day
  MonthlyValues ALPHA{};
  MonthlyValues BETA{};
  MonthlyValues RainFactor{};
  MonthlyValues TMaxShift{};
  MonthlyValues TMinShift{};
  MonthlyValues wind_scale{};
  MonthlyValues wind_shape{};
};

// Per-day means and standard deviations (index = day of year - 1), in the caller's units
// (the simulations use oF and langleys per day).
struct DailyGeneratorParameters {
  DailyValues tmax_dry_mean{}, tmax_dry_sd{}, tmax_wet_mean{}, tmax_wet_sd{};
  DailyValues tmin_mean{}, tmin_sd{};
  DailyValues solar_dry_mean{}, solar_dry_sd{}, solar_wet_mean{}, solar_wet_sd{};
  DailyValues RsoMax{};  // upper bound of radiation
  DailyValues td_mean{}, td_sd{};
};

struct SimulatedYear {
  DailyValues pcp{}, tmax{}, tmin{}, solar{}, td{}, wind{};
  int solar_clipped_high = 0;  // days cut to RsoMax
  int solar_raised_low = 0;    // days raised to 5 % of RsoMax
};

enum class RainMode { kGenerate = 1, kKeep = 2 };  // kKeep leaves Pcp as the caller filled it

// One year of daily weather (day_count 365 or 366) continuing the session's random stream and
// residual memory. May rewrite an ALPHA entry (see GammaRainAmount).
void SimulateYearDays(int day_count, RainMode rain_mode, MonthlyGeneratorParameters& monthly,
                      const DailyGeneratorParameters& daily, Session& session, SimulatedYear& year);

}  // namespace kelvaro
