#include "weatherio/daily_temperature_file.h"

#include <string>

#include "weatherio/calendar.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

constexpr int kTemperatureColumns = 7;

WeatherDay ParseTemperatureDay(std::string_view line) {
  const auto fields = SplitDataFields(line, kTemperatureColumns);
  WeatherDay day;
  day.year_text = fields[0];
  day.year = ParseYear(fields[0]);
  day.month = ParseIntInRange(fields[1], "Mon", 1, 12);
  day.day = ParseIntInRange(fields[2], "Day", 1, 31);
  day.doy = ParseIntInRange(fields[3], "DOY", 1, 366);
  CheckDate(day.month, day.day, day.doy, day.year);
  day.tmax = ParseWeatherValue(fields[4], "TMax", kTemperatureBounds);
  day.tmin = ParseWeatherValue(fields[5], "TMin", kTemperatureBounds);
  day.pcp = ParseWeatherValue(fields[6], "Pcp", kDailyRainBounds);
  return day;
}

bool FollowsDirectly(const WeatherDay& previous, const WeatherDay& day) {
  if (day.year == previous.year) return day.doy == previous.doy + 1;
  return day.year == previous.year + 1 && day.doy == 1 && previous.doy == DaysInYear(previous.year);
}

void CheckOrder(const WeatherDay& previous, const WeatherDay& day, DayOrder order) {
  CheckDayOrder(previous, day);
  if (order == DayOrder::kConsecutive && !FollowsDirectly(previous, day)) {
    throw InputError("day " + std::to_string(day.doy) + " of " + std::to_string(day.year) +
                     " follows day " + std::to_string(previous.doy) + " of " +
                     std::to_string(previous.year) + "; every day of the record is needed");
  }
}

}  // namespace

std::vector<WeatherDay> ParseTemperatureDays(const TextFile& file, DayOrder order) {
  std::vector<WeatherDay> days;
  for (size_t i = kHeaderLineCount; i < file.lines.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      WeatherDay day = ParseTemperatureDay(file.lines[i]);
      if (!days.empty()) CheckOrder(days.back(), day, order);
      days.push_back(std::move(day));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  if (days.empty()) throw InputError(file.name + " holds no days.");
  return days;
}

}  // namespace kelvaro
