#pragma once

#include <string>
#include <vector>

#include "generator/generator_parameters.h"
#include "generator/monthly_statistics.h"
#include "generator/simulation_recipe.h"

namespace kelvaro {

// Per-month factors that bring the simulated monthly means to the input means (1 for a
// quantity that is not rescaled, and where the simulated mean is 0).
using RescalingRatios = MonthRows;

// Ratios of the quantities in `rescaled`, and of those in `rescaled_if_positive` in months
// whose input value is positive. `inputs` holds, for each quantity, the monthly series its
// process was fitted to.
RescalingRatios RatiosToInput(const TwelveMonths& inputs, const MonthRows& simulated_means,
                              QuantitySet rescaled, QuantitySet rescaled_if_positive);

// Simulated means after rescaling, as the second block of .wxr.
MonthRows RescaledMeans(const MonthRows& simulated_means, const RescalingRatios& ratios);

// Each simulated year's monthly wind sums (m/s summed over the month's days), index = year - 1.
using YearlyWindSums = std::vector<MonthlyValues>;

// The .gen data rows from the .tmp data rows: rescaled by month, Solar kept non-negative,
// Wind replaced by each year's smooth curve through its rescaled monthly mean winds. Months
// whose input wind is missing keep -999.
std::string RescaledRows(const std::vector<std::string>& tmp_rows, const RescalingRatios& ratios,
                         YearlyWindSums wind_sums, const TwelveMonths& means);

// The working daily file's rows from the .tmp rows (Year..Pcp, ETo): TMax raised to TMin where
// it is lower, then the columns in `columns` (of Solar..Td, and Pcp and ETo always) multiplied
// by their month's ratios; the other weather columns are -999. The year text is copied.
std::string RescaledWorkingRows(const std::vector<std::string>& tmp_rows,
                                const RescalingRatios& ratios, QuantitySet columns);

}  // namespace kelvaro
