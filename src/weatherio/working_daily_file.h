#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "weatherio/weather_records.h"

namespace kelvaro {

// The ".wrk" file every daily chain ends in: three header lines, then one day a line with the
// eleven columns Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp, ETo.
struct WorkingDailyFile {
  std::string name;
  std::vector<WeatherDay> days;
};

// One data line (ParseWeatherDay with ETo); throws ConversionError or InputError (without
// location).
WeatherDay ParseWorkingDay(std::string_view line);

// Reads the whole file, one line at a time. Blank lines are ignored. Refused, naming file and
// line: too few or too many fields, a non-numeric field ("nan" and "inf" included), a year outside
// 1..9998, a DOY outside 1..366 or past the end of its year, Mon and Day that are not the DOY, a
// value outside its physical bounds, a day not after the one before it in the same year, and
// years that do not follow one another (a year earlier than the one before it, or a gap).
// Returns nothing when the file cannot be opened.
std::optional<WorkingDailyFile> ReadWorkingDailyFile(const std::filesystem::path& path);

}  // namespace kelvaro
