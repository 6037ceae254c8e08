#include "weatherio/working_daily_file.h"

#include "weatherio/daily_weather_file.h"
#include "weatherio/data_lines.h"
#include "weatherio/text_file.h"

namespace kelvaro {

WeatherDay ParseWorkingDay(std::string_view line) {
  return ParseWeatherDay(line, true, WeatherChecks::kRainAndEto);
}

std::optional<WorkingDailyFile> ReadWorkingDailyFile(const std::filesystem::path& path) {
  auto file = LineReader::Open(path);
  if (!file) return std::nullopt;
  WorkingDailyFile working{file->name(), {}};
  WeatherDayReader reader(true, WeatherChecks::kRainAndEto);
  ForEachDataLine(*file, [&](const std::string& line, int line_number) {
    working.days.push_back(reader.Read(line, line_number));
  });
  return working;
}

}  // namespace kelvaro
