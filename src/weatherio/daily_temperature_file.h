#pragma once

#include <vector>

#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// How the days of a daily temperature file must follow one another: in calendar order (gaps
// allowed), or each the day after the one before (a record may still begin and end anywhere).
enum class DayOrder { kCalendar, kConsecutive };

// The data lines of a daily temperature file (dtm, rtm) after its three header lines: Year, Mon,
// Day, DOY, TMax, TMin, Pcp, fields taken from the right. Refused, naming the file and line: a
// field that is not a number, more or fewer fields than the layout, a year outside 1..9998, Mon
// outside 1..12, Day outside 1..31, DOY outside 1..366 or past the end of its year, Mon and Day
// that are not the DOY, a value outside its physical bounds (-999 passes), days out of `order` or a
// whole year missing, and a file without any day. Blank lines are passed over.
std::vector<WeatherDay> ParseTemperatureDays(const TextFile& file, DayOrder order);

}  // namespace kelvaro
