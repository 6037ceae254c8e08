#include "weatherio/rain_and_evaporation_file.h"

#include <string>

#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

constexpr int kColumns = 6;

void CheckWithin(int value, int low, int high, const char* column) {
  if (value < low || value > high) {
    throw InputError(std::string(column) + " " + std::to_string(value) + " is outside " +
                     std::to_string(low) + ".." + std::to_string(high));
  }
}

}  // namespace

RainAndEvaporationDay ParseRainAndEvaporationDay(std::string_view line) {
  const auto fields = SplitFieldsFromRight(line, kColumns);
  RainAndEvaporationDay day;
  day.year = ParseInt(fields[0]);
  day.month = ParseInt(fields[1]);
  day.day = ParseInt(fields[2]);
  day.doy = ParseInt(fields[3]);
  day.pcp = ParseFloat(fields[4]);
  day.evaporation = ParseFloat(fields[5]);
  CheckWithin(day.month, 1, 12, "Mon");
  CheckWithin(day.day, 1, 31, "Day");
  CheckWithin(day.doy, 1, 366, "DOY");
  return day;
}

std::vector<RainAndEvaporationDay> ParseRainAndEvaporationDays(const TextFile& file) {
  return ParseDataLines(file,
                        [](const std::string& line) { return ParseRainAndEvaporationDay(line); });
}

}  // namespace kelvaro
