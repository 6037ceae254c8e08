#include "weatherio/working_daily_file.h"

#include "weatherio/daily_weather_file.h"
#include "weatherio/text_file.h"

namespace kelvaro {

WeatherDay ParseWorkingDay(std::string_view line) { return ParseWeatherDay(line, true, WeatherChecks::kRainAndEto);
}

std::optional<WorkingDailyFile> ReadWorkingDailyFile(const std::filesystem::path& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  return WorkingDailyFile{text->name, ParseWeatherDays(*text, true, WeatherChecks::kRainAndEto)};
}

}  // namespace kelvaro
