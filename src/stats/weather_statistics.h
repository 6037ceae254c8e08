#pragma once

#include <string>
#include <string_view>

#include "session/session.h"

namespace kelvaro {

// What the statistics dialog shows when the working daily file cannot be opened.
inline constexpr std::string_view kInvalidInputFileName = "An invalid input file name";

// Reads `input_name` + ".wrk" from the data folder and writes its six statistics files beside
// it (".avg", ".sdv", ".cov" by day of year; ".wxr", ".std", ".cve" by month), all or none.
// Returns false, writing nothing, when the working file cannot be opened; bad contents throw
// InputError or ConversionError naming the file and line, before anything is written.
bool WeatherStatistics(const std::string& input_name, Session& session);

}  // namespace kelvaro
