#include "weatherio/daily_weather_file.h"

#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"

namespace kelvaro {

WeatherDay ParseWeatherDay(std::string_view line, bool with_eto) {
  const auto fields = SplitFieldsFromRight(line, with_eto ? 11 : 10);
  WeatherDay day;
  day.year_text = fields[0];
  day.month = ParseInt(fields[1]);
  day.day = ParseInt(fields[2]);
  day.doy = ParseInt(fields[3]);
  day.solar = ParseFloat(fields[4]);
  day.tmax = ParseFloat(fields[5]);
  day.tmin = ParseFloat(fields[6]);
  day.wind = ParseFloat(fields[7]);
  day.td = ParseFloat(fields[8]);
  day.pcp = ParseFloat(fields[9]);
  if (with_eto) day.eto = ParseFloat(fields[10]);
  return day;
}

std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto) {
  std::vector<WeatherDay> days;
  for (size_t i = kHeaderLineCount; i < file.lines.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      days.push_back(ParseWeatherDay(file.lines[i], with_eto));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  return days;
}

}  // namespace kelvaro
