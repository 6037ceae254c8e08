#include "weatherio/daily_weather_file.h"

#include <string>

#include "weatherio/calendar.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"

namespace kelvaro {

WeatherDay ParseWeatherDay(std::string_view line, bool with_eto, WeatherChecks checks) {
  const bool every_column = checks == WeatherChecks::kEveryColumn;
  const auto weather = [every_column](std::string_view text, std::string_view column,
                                      const PhysicalBounds& bounds) {
    return every_column ? ParseWeatherValue(text, column, bounds) : ParseColumnFloat(text, column);
  };
  const auto fields = SplitDataFields(line, with_eto ? 11 : 10);
  WeatherDay day;
  day.year_text = fields[0];
  day.year = ParseYear(fields[0]);
  day.month = ParseIntInRange(fields[1], "Mon", 1, 12);
  day.day = ParseIntInRange(fields[2], "Day", 1, 31);
  day.doy = ParseIntInRange(fields[3], "DOY", 1, 366);
  CheckDate(day.month, day.day, day.doy, day.year);
  day.solar = weather(fields[4], "Solar", kSolarBounds);
  day.tmax = weather(fields[5], "TMax", kTemperatureBounds);
  day.tmin = weather(fields[6], "TMin", kTemperatureBounds);
  day.wind = weather(fields[7], "Wind", kWindBounds);
  day.td = weather(fields[8], "Td", kTemperatureBounds);
  day.pcp = ParseWeatherValue(fields[9], "Pcp", kDailyRainBounds);
  if (with_eto) day.eto = ParseWeatherValue(fields[10], "ETo", kEtoBounds);
  return day;
}

void CheckDayOrder(int previous_year, int previous_doy, int year, int doy) {
  if (year == previous_year) {
    if (doy <= previous_doy) {
      throw InputError("day " + std::to_string(doy) + " of " + std::to_string(year) +
                       " comes after day " + std::to_string(previous_doy));
    }
  } else if (year < previous_year) {
    throw InputError("years out of order: " + std::to_string(year) + " comes after " +
                     std::to_string(previous_year));
  } else if (year == previous_year + 2) {
    throw InputError("year " + std::to_string(previous_year + 1) + " is missing");
  } else if (year > previous_year + 2) {
    throw InputError("years " + std::to_string(previous_year + 1) + " to " +
                     std::to_string(year - 1) + " are missing");
  }
}

WeatherDay WeatherDayReader::Read(std::string_view line, int line_number) {
  WeatherDay day = ParseWeatherDay(line, with_eto_, checks_);
  if (previous_) CheckDayOrder(*previous_, day);
  if (checks_ == WeatherChecks::kEveryColumn) notes_.Note(day, line_number);
  previous_ = day;
  return day;
}

std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto,
                                         WeatherChecks checks) {
  std::vector<WeatherDay> days;
  days.reserve(file.lines.size());
  WeatherDayReader reader(with_eto, checks);
  ForEachDataLine(file, [&](const std::string& line, int line_number) {
    days.push_back(reader.Read(line, line_number));
  });
  return days;
}

}  // namespace kelvaro
