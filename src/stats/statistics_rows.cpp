#include "stats/statistics_rows.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "stats/mean_day_eto.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

StatisticsRow StatisticsOf(const ColumnSums& sums, int index) {
  StatisticsRow row;
  row.index = index;
  for (size_t column = 0; column < kStatisticsColumnCount; ++column) {
    const int32_t n = sums.CountOf(static_cast<StatisticsColumn>(column));
    row.deviation[column] = SampleDeviation(sums.sum[column], sums.squares[column], n);
    row.mean[column] = n > 0 ? sums.sum[column] / static_cast<float>(n) : sums.sum[column];
  }
  return row;
}

void AddCoefficientsOfVariation(StatisticsRow& row) {
  for (size_t column = 0; column < kStatisticsColumnCount; ++column) {
    row.cv[column] = CoefficientOfVariation(row.deviation[column], row.mean[column]);
  }
}

}  // namespace

float SampleDeviation(float sum, float squares, int32_t n) {
  if (n < 2) return 0.0f;
  const double count = n;
  const double total = sum;
  const double total_squares = squares;
  if (!(count * total_squares - total * total > 0)) return 0.0f;
  const double variance = (total_squares - total * total / count) / (count - 1);
  return static_cast<float>(std::sqrt(std::max(variance, 0.0)));
}

float CoefficientOfVariation(float deviation, float mean) {
  if (IsMissing(mean)) return kMissing;
  if (mean == 0.0f) return 0.0f;
  const float ratio = deviation / mean;
  return ratio * 100.0f;
}

StatisticsRow MonthStatistics(const WeatherAccumulation& sums, int month) {
  StatisticsRow row = StatisticsOf(sums.by_month[static_cast<size_t>(month)], month);
  AddCoefficientsOfVariation(row);
  return row;
}

StatisticsRow DayOfYearStatistics(const WeatherAccumulation& sums, int doy, const Site& site,
                                  Reporter& reporter) {
  StatisticsRow row = StatisticsOf(sums.by_day[static_cast<size_t>(doy)], doy);
  if (const auto eto = MeanDayReferenceEt(row.mean, doy, site)) {
    row.mean[kEto] = eto->eto;
    reporter.Trace(std::string(eto->trace));
  }
  // The ETo CV divides the deviation of the file's ETo by the recomputed mean.
  AddCoefficientsOfVariation(row);
  return row;
}

}  // namespace kelvaro
