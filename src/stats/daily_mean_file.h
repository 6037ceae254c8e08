#pragma once

#include <string>
#include <string_view>

#include "session/session.h"

namespace kelvaro {

// First line of the daily-mean file the output viewer writes: station (upper case), years.
inline constexpr const char* kViewerDailyMeanFirstLine = " %5s,Number of years=%2d\n";

// Reads `input_name` + ".wrk" and writes only its daily-mean file `input_name` + ".avg": the same
// columns and 366 rows as the weather statistics' ".avg", under the shorter first line above.
// Returns false, writing nothing, when the working file cannot be opened; bad contents throw
// InputError or ConversionError naming the file and line.
bool WriteDailyMeanFile(const std::string& input_name, Session& session);

}  // namespace kelvaro
