#pragma once

#include <array>

#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// A monthly table with its ETo column (met, mpn) holding exactly twelve rows, January first:
// a thirteenth row would be a month that does not exist. Throws InputError naming the file.
std::array<MonthlyMeans, 12> ReadTwelveMonthsWithEto(const TextFile& file);

}  // namespace kelvaro
