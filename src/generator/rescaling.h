#pragma once

#include <string>
#include <vector>

#include "generator/generator_parameters.h"
#include "generator/monthly_statistics.h"

namespace kelvaro {

// Per-month factors that bring the simulated monthly means to the input means. NRD is never
// rescaled; Wind only in months whose input wind is positive.
using RescalingRatios = MonthRows;

RescalingRatios RatiosToInput(const TwelveMonths& means, const MonthRows& simulated_means);

// Simulated means after rescaling, as the second block of .wxr.
MonthRows RescaledMeans(const MonthRows& simulated_means, const RescalingRatios& ratios);

// Each simulated year's monthly wind sums (m/s summed over the month's days), index = year - 1.
using YearlyWindSums = std::vector<MonthlyValues>;

// The .gen data rows from the .tmp data rows: rescaled by month, Solar kept non-negative,
// Wind replaced by each year's smooth curve through its rescaled monthly mean winds. Months
// whose input wind is missing keep -999.
std::string RescaledRows(const std::vector<std::string>& tmp_rows, const RescalingRatios& ratios,
                         YearlyWindSums wind_sums, const TwelveMonths& means);

}  // namespace kelvaro
