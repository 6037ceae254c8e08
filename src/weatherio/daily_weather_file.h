#pragma once

#include <string_view>
#include <vector>

#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// One data line of a daily weather file: Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp
// and, when `with_eto`, ETo. Year is kept as text exactly as read (not converted); the other
// columns are converted after trimming. Throws ConversionError or InputError.
WeatherDay ParseWeatherDay(std::string_view line, bool with_eto);

// Every data line of a daily weather file, after its three header lines; blank lines carry no
// day and are passed over. Errors name the file and the line.
std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto);

}  // namespace kelvaro
