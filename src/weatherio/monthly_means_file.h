#pragma once

#include <array>

#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// Columns of the twelve monthly rows: Mon, Solar, TMax, TMin, Wind, Td, Pcp, NRD, Pan, and
// ETo in the ETo-bearing kinds (etm, mpn, epm).
enum class MonthlyColumns { kWithoutEto = 9, kWithEto = 10 };

// The twelve monthly rows after the three header lines, in file order (the order, not Mon,
// decides the month). Blank lines are skipped and rows after the twelfth are ignored. Throws
// InputError when fewer than twelve rows are present or a value is outside its physical bounds
// (-999 passes), and ConversionError for a field that is not a number; a row's errors name the
// file, line, month and column ("MARIC.mon, line 5 (month 2): Solar 1e+30 is outside ...").
std::array<MonthlyMeans, 12> ReadMonthlyMeans(const TextFile& file, MonthlyColumns columns);

}  // namespace kelvaro
