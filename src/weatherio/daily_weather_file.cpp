#include "weatherio/daily_weather_file.h"

#include <string>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/station_line.h"

namespace kelvaro {

WeatherDay ParseWeatherDay(std::string_view line, bool with_eto, WeatherChecks checks) {
  const bool every_column = checks == WeatherChecks::kEveryColumn;
  const auto weather = [every_column](std::string_view text, std::string_view column,
                                      const PhysicalBounds& bounds) {
    return every_column ? ParseWeatherValue(text, column, bounds) : ParseColumnFloat(text, column);
  };
  const auto fields = SplitFieldsFromRight(line, with_eto ? 11 : 10);
  WeatherDay day;
  day.year_text = fields[0];
  day.year = ParseYear(fields[0]);
  day.month = ParseIntInRange(fields[1], "Mon", 1, 12);
  day.day = ParseIntInRange(fields[2], "Day", 1, 31);
  day.doy = ParseIntInRange(fields[3], "DOY", 1, 366);
  day.solar = weather(fields[4], "Solar", kSolarBounds);
  day.tmax = weather(fields[5], "TMax", kTemperatureBounds);
  day.tmin = weather(fields[6], "TMin", kTemperatureBounds);
  day.wind = weather(fields[7], "Wind", kWindBounds);
  day.td = weather(fields[8], "Td", kTemperatureBounds);
  day.pcp = ParseWeatherValue(fields[9], "Pcp", kDailyRainBounds);
  if (with_eto) day.eto = ParseWeatherValue(fields[10], "ETo", kEtoBounds);
  return day;
}

void CheckDayOrder(const WeatherDay& previous, const WeatherDay& day) {
  if (day.year == previous.year) {
    if (day.doy <= previous.doy) {
      throw InputError("day " + std::to_string(day.doy) + " of " + std::to_string(day.year) +
                       " comes after day " + std::to_string(previous.doy));
    }
  } else if (day.year < previous.year) {
    throw InputError("years out of order: " + std::to_string(day.year) + " comes after " +
                     std::to_string(previous.year));
  } else if (day.year == previous.year + 2) {
    throw InputError("year " + std::to_string(previous.year + 1) + " is missing");
  } else if (day.year > previous.year + 2) {
    throw InputError("years " + std::to_string(previous.year + 1) + " to " +
                     std::to_string(day.year - 1) + " are missing");
  }
}

std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto,
                                         WeatherChecks checks) {
  std::vector<WeatherDay> days;
  days.reserve(file.lines.size());
  for (size_t i = kHeaderLineCount; i < file.lines.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      WeatherDay day = ParseWeatherDay(file.lines[i], with_eto, checks);
      if (!days.empty()) CheckDayOrder(days.back(), day);
      days.push_back(std::move(day));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  return days;
}

}  // namespace kelvaro
