#pragma once

#include <array>
#include <cstdint>

#include "eto/penman_monteith.h"
#include "session/reporter.h"
#include "stats/weather_accumulation.h"

namespace kelvaro {

using ColumnValues = std::array<float, kStatisticsColumnCount>;

// Mean, standard deviation and CV (percent) of every column of one day of the year or month.
struct StatisticsRow {
  int index = 0;  // day of year 1..366 or month 1..12
  ColumnValues mean{};
  ColumnValues deviation{};
  ColumnValues cv{};
};

// Sample standard deviation (divisor n - 1), worked in double and kept as float; 0 for fewer than
// two values or where rounding leaves no positive variance.
float SampleDeviation(float sum, float squares, int32_t n);

// deviation / mean x 100 in single precision, rounded before and after the x 100; 0 for a mean
// of 0, and missing for a missing mean.
float CoefficientOfVariation(float deviation, float mean);

// The statistics of one month: the file's own columns, ETo included.
StatisticsRow MonthStatistics(const WeatherAccumulation& sums, int month);

// The statistics of one day of the year, its ETo mean recomputed from the day's mean weather
// where the weather allows; each recomputation leaves its trace line.
StatisticsRow DayOfYearStatistics(const WeatherAccumulation& sums, int doy, const Site& site,
                                  Reporter& reporter);

}  // namespace kelvaro
