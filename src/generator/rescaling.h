#pragma once

#include <string>
#include <vector>

#include "generator/generator_parameters.h"
#include "generator/monthly_statistics.h"
#include "generator/simulation_recipe.h"

namespace kelvaro {

// How one quantity of one month is brought to the input's monthly mean: kept as simulated,
// multiplied by input / simulated mean, or shifted by input - simulated mean. A temperature is
// shifted, since the zero of the Celsius scale is arbitrary and a ratio of means near 0 C would
// blow the days up or turn their sign. A quantity whose input is missing becomes -999.
struct Rescale {
  enum class Kind { kKept, kRatio, kShift, kMissing };
  Kind kind = Kind::kKept;
  float amount = 0.0f;  // the ratio or the shift

  float Applied(float value) const;
};
using RescalingRow = std::array<Rescale, kQuantityCount>;
using Rescaling = std::array<RescalingRow, 12>;

// The rescaling of every month. `inputs` holds, for each quantity, the monthly series its
// process was fitted to.
Rescaling RescalingToInput(const TwelveMonths& inputs, const MonthRows& simulated_means,
                           const RescalingRules& rules);

// Simulated means after rescaling, as the second block of .wxr.
MonthRows RescaledMeans(const MonthRows& simulated_means, const Rescaling& rescaling);

// Each simulated year's monthly wind sums (m/s summed over the month's days), index = year - 1.
using YearlyWindSums = std::vector<MonthlyValues>;

// The .gen data rows from the .tmp data rows: rescaled by month, Solar kept non-negative, a dew
// point above the day's rescaled TMax lowered to it, and Wind replaced by each year's smooth
// curve through its rescaled monthly mean winds. Months whose input wind is missing keep -999.
std::string RescaledRows(const std::vector<std::string>& tmp_rows, const Rescaling& rescaling,
                         const YearlyWindSums& wind_sums);

// The working daily file's rows from the .tmp rows (Year..Pcp, ETo): TMax raised to TMin where
// it is lower, then the columns in `columns` (of Solar..Td, and Pcp and ETo always) rescaled by
// their month's rule; the other weather columns are -999. The year text is copied.
std::string RescaledWorkingRows(const std::vector<std::string>& tmp_rows,
                                const Rescaling& rescaling, QuantitySet columns);

}  // namespace kelvaro
