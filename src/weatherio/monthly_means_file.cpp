#include "weatherio/monthly_means_file.h"

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

MonthlyMeans ParseMonthlyRow(const std::string& line, MonthlyColumns columns) {
  const auto fields = SplitDataFields(line, static_cast<int>(columns));
  MonthlyMeans row;
  row.month = ParseColumnInt(fields[0], "Mon");
  row.solar = ParseWeatherValue(fields[1], "Solar", kSolarBounds);
  row.tmax = ParseWeatherValue(fields[2], "TMax", kTemperatureBounds);
  row.tmin = ParseWeatherValue(fields[3], "TMin", kTemperatureBounds);
  row.wind = ParseWeatherValue(fields[4], "Wind", kWindBounds);
  row.td = ParseWeatherValue(fields[5], "Td", kTemperatureBounds);
  row.pcp = ParseWeatherValue(fields[6], "Pcp", kMonthlyRainBounds);
  row.nrd = ParseWeatherValue(fields[7], "NRD", kRainDaysBounds);
  row.pan = ParseWeatherValue(fields[8], "Pan", kPanBounds);
  if (columns == MonthlyColumns::kWithEto)
    row.eto = ParseWeatherValue(fields[9], "ETo", kEtoBounds);
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
      RethrowWithLocation(LineLocation(file.name, static_cast<int>(i + 1)) + " (month " +
                          std::to_string(count + 1) + ")");
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
