#include "weatherio/working_daily_file.h"

#include <string>

#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

void CheckDayOfYear(int doy) {
  if (doy < 1 || doy > 366) {
    throw InputError("DOY " + std::to_string(doy) + " is outside 1..366");
  }
}

// Each day must come after the one before it: same year and a later DOY, or the next year.
void CheckOrder(const WeatherDay& previous, const WeatherDay& day) {
  if (day.year == previous.year) {
    if (day.doy <= previous.doy) {
      throw InputError("day " + std::to_string(day.doy) + " of " + std::to_string(day.year) +
                       " comes after day " + std::to_string(previous.doy));
    }
  } else if (day.year < previous.year) {
    throw InputError("years out of order: " + std::to_string(day.year) + " comes after " +
                     std::to_string(previous.year));
  } else if (day.year > previous.year + 1) {
    throw InputError("years " + std::to_string(previous.year + 1) + " to " +
                     std::to_string(day.year - 1) + " are missing");
  }
}

}  // namespace

WeatherDay ParseWorkingDay(std::string_view line) {
  WeatherDay day = ParseWeatherDay(line, true);
  day.year = ParseInt(day.year_text);
  CheckDayOfYear(day.doy);
  return day;
}

std::optional<WorkingDailyFile> ReadWorkingDailyFile(const std::filesystem::path& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  WorkingDailyFile file{text->name, {}};
  file.days.reserve(text->lines.size());
  for (size_t i = kHeaderLineCount; i < text->lines.size(); ++i) {
    if (IsBlankLine(text->lines[i])) continue;
    try {
      WeatherDay day = ParseWorkingDay(text->lines[i]);
      if (!file.days.empty()) CheckOrder(file.days.back(), day);
      file.days.push_back(std::move(day));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  return file;
}

}  // namespace kelvaro
