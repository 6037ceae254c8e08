#include "weatherio/input_file_rows.h"

#include "weatherio/row_format.h"

namespace kelvaro {

std::string FormatDailyWeatherRow(const WeatherDay& day) {
  return Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", day.year_text.c_str(),
                day.month, day.day, day.doy, day.solar, day.tmax, day.tmin, day.wind, day.td,
                day.pcp);
}

std::string FormatMonthlyMeansRow(const MonthlyMeans& month, MonthlyColumns columns) {
  std::string row =
      Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f", month.month, month.solar,
             month.tmax, month.tmin, month.wind, month.td, month.pcp, month.nrd, month.pan);
  if (columns == MonthlyColumns::kWithEto) row += Printf(",%8.2f", month.eto);
  return row + "\n";
}

}  // namespace kelvaro
