#include "stats/weather_accumulation.h"

#include <cmath>
#include <string>
#include <utility>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

using Accepted = std::array<bool, kVariableGroupCount>;

void AddTo(ColumnSums& sums, const std::array<float, kStatisticsColumnCount>& values,
           const Accepted& accepted) {
  for (size_t column = 0; column < values.size(); ++column) {
    if (!accepted[kGroupOfColumn[column]]) continue;
    sums.sum[column] += values[column];
    sums.squares[column] += values[column] * values[column];
  }
  for (size_t group = 0; group < accepted.size(); ++group) {
    if (accepted[group]) ++sums.count[group];
  }
}

constexpr PhysicalBounds kLatitudeBounds{-90.0f, 90.0f, "degrees"};

// Latitude and elevation are the last two fields of the station line.
void ReadStationLine(const std::string& line, WeatherAccumulation& into) {
  const auto fields = SplitFieldsFromRight(line, 3);
  into.latitude_deg = ParseFloat(fields[1]);
  CheckWeatherValue("Latitude", into.latitude_deg, kLatitudeBounds);
  into.elevation_m = ParseFloat(fields[2]);
}

// Working files hold the generator's days as it made them, held to physical bounds only in Pcp
// and ETo; below this magnitude every sum of squares stays a finite float.
constexpr float kLargestSummable = 1e15f;

WeatherDay ReadDataLine(const std::string& line) {
  WeatherDay day = ParseWorkingDay(line);
  const std::pair<const char*, float> columns[] = {{"Solar", day.solar},
                                                   {"TMax", day.tmax},
                                                   {"TMin", day.tmin},
                                                   {"Wind", day.wind},
                                                   {"Td", day.td}};
  for (const auto& [column, value] : columns) {
    if (std::fabs(value) > kLargestSummable) {
      throw InputError(
          Printf("%s %g is too large for the statistics", column, static_cast<double>(value)));
    }
  }
  return day;
}

}  // namespace

void WeatherAccumulation::Add(const WeatherDay& day) {
  if (day.doy == 1) ++year_count;
  // Before the missing-value tests, so a missing TMax takes a valid TMin.
  const float tmax = day.tmax < day.tmin ? day.tmin : day.tmax;
  const std::array<float, kStatisticsColumnCount> values{day.solar, tmax,    day.tmin, day.wind,
                                                         day.td,    day.pcp, day.eto};
  Accepted accepted{true, true, true};
  for (size_t column = 0; column < values.size(); ++column) {
    if (IsMissing(values[column])) accepted[kGroupOfColumn[column]] = false;
  }
  AddTo(by_day[static_cast<size_t>(day.doy)], values, accepted);
  AddTo(by_month[static_cast<size_t>(day.month)], values, accepted);
}

std::optional<WeatherAccumulation> AccumulateWorkingFile(const std::filesystem::path& path) {
  auto reader = LineReader::Open(path);
  if (!reader) return std::nullopt;
  WeatherAccumulation sums;
  std::string line;
  int data_lines = 0;
  if (!reader->Next(line)) throw InputError(reader->name() + " is empty");
  try {
    ReadStationLine(line, sums);
    while (reader->Next(line)) {
      if (reader->line_number() <= kHeaderLineCount || IsBlankLine(line)) continue;
      sums.Add(ReadDataLine(line));
      ++data_lines;
    }
  } catch (...) {
    RethrowWithLocation(reader->name(), reader->line_number());
  }
  if (data_lines == 0) throw InputError(reader->name() + " holds no daily weather");
  return sums;
}

}  // namespace kelvaro
