#include "stats/statistics_files.h"

#include "weatherio/row_format.h"

namespace kelvaro {

std::string StatisticsRowLine(const StatisticsRow& row, Statistic statistic) {
  const ColumnValues& values = statistic == Statistic::kMean        ? row.mean
                               : statistic == Statistic::kDeviation ? row.deviation
                                                                    : row.cv;
  return Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", row.index, values[kSolar],
                values[kTMax], values[kTMin], values[kWind], values[kTd], values[kPcp],
                values[kEto]);
}

std::string StatisticsFileText(const StatisticsFileLayout& layout, const std::string& first_line,
                               const std::vector<StatisticsRow>& rows) {
  std::string text = first_line;
  text.append(layout.column_line).append(layout.unit_line);
  for (const StatisticsRow& row : rows) text += StatisticsRowLine(row, layout.statistic);
  return text;
}

}  // namespace kelvaro
