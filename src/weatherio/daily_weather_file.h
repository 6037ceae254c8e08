#pragma once

#include <string_view>
#include <vector>

#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// One data line of a daily weather file: Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp
// and, when `with_eto`, ETo. Year is kept as text exactly as read and also converted; the other
// columns are converted after trimming. Refused: a year outside 1..9998, Mon outside 1..12, Day
// outside 1..31, DOY outside 1..366 and values outside their physical bounds (-999 passes).
// Throws ConversionError or InputError naming the column.
// Files the program writes for itself (generated days, working files) hold whatever the generator
// made of the user's means: there only Pcp and ETo, the columns the water balance uses, are held
// to their bounds.
enum class WeatherChecks { kEveryColumn, kRainAndEto };

WeatherDay ParseWeatherDay(std::string_view line, bool with_eto,
                           WeatherChecks checks = WeatherChecks::kEveryColumn);

// Refuses a day that does not follow `previous`: the same year and a later DOY, or the next year.
void CheckDayOrder(const WeatherDay& previous, const WeatherDay& day);

// Every data line of a daily weather file, after its three header lines, in calendar order;
// blank lines carry no day and are passed over. Errors name the file and the line.
std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto,
                                         WeatherChecks checks = WeatherChecks::kEveryColumn);

}  // namespace kelvaro
