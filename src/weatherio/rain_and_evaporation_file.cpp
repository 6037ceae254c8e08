#include "weatherio/rain_and_evaporation_file.h"

#include <string>

#include "weatherio/calendar.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/data_lines.h"
#include "weatherio/field_split.h"
#include "weatherio/physical_bounds.h"

namespace kelvaro {
namespace {

constexpr int kColumns = 6;

}  // namespace

RainAndEvaporationDay ParseRainAndEvaporationDay(std::string_view line, EvaporationColumn column) {
  const auto fields = SplitDataFields(line, kColumns);
  RainAndEvaporationDay day;
  day.year = ParseYear(fields[0]);
  day.month = ParseIntInRange(fields[1], "Mon", 1, 12);
  day.day = ParseIntInRange(fields[2], "Day", 1, 31);
  day.doy = ParseIntInRange(fields[3], "DOY", 1, 366);
  CheckDate(day.month, day.day, day.doy, day.year);
  day.pcp = ParseWeatherValue(fields[4], "Pcp", kDailyRainBounds);
  day.evaporation = column == EvaporationColumn::kEPan
                        ? ParseWeatherValue(fields[5], "EPan", kPanBounds)
                        : ParseWeatherValue(fields[5], "ETo", kEtoBounds);
  return day;
}

RainAndEvaporationDay RainAndEvaporationReader::Read(std::string_view line) {
  const RainAndEvaporationDay day = ParseRainAndEvaporationDay(line, column_);
  if (previous_) CheckDayOrder(previous_->year, previous_->doy, day.year, day.doy);
  previous_ = day;
  return day;
}

std::vector<RainAndEvaporationDay> ParseRainAndEvaporationDays(const TextFile& file,
                                                               EvaporationColumn column) {
  std::vector<RainAndEvaporationDay> days;
  RainAndEvaporationReader reader(column);
  ForEachDataLine(file, [&](const std::string& line, int) { days.push_back(reader.Read(line)); });
  return days;
}

}  // namespace kelvaro
