#include "weatherio/monthly_means_file.h"

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

MonthlyMeans ParseMonthlyRow(const std::string& line, MonthlyColumns columns) {
  const auto fields = SplitFieldsFromRight(line, static_cast<int>(columns));
  MonthlyMeans row;
  row.month = ParseInt(fields[0]);
  row.solar = ParseFloat(fields[1]);
  row.tmax = ParseFloat(fields[2]);
  row.tmin = ParseFloat(fields[3]);
  row.wind = ParseFloat(fields[4]);
  row.td = ParseFloat(fields[5]);
  row.pcp = ParseFloat(fields[6]);
  row.nrd = ParseFloat(fields[7]);
  row.pan = ParseFloat(fields[8]);
  if (columns == MonthlyColumns::kWithEto) row.eto = ParseFloat(fields[9]);
  return row;
}

}  // namespace

std::array<MonthlyMeans, 12> ReadMonthlyMeans(const TextFile& file, MonthlyColumns columns) {
  std::array<MonthlyMeans, 12> months{};
  size_t count = 0;
  for (size_t i = kHeaderLineCount; i < file.lines.size() && count < months.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      months[count] = ParseMonthlyRow(file.lines[i], columns);
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
    ++count;
  }
  if (count < months.size()) {
    throw InputError(file.name + " holds " + std::to_string(count) +
                     " monthly rows; twelve are needed, one per month.");
  }
  return months;
}

}  // namespace kelvaro
