#pragma once

#include <filesystem>
#include <string>

#include "session/reporter.h"

namespace kelvaro::cli {

// After a run: warns how many days of the working file `stem`.wrk had no ETo or no rain (-999)
// and what the water balance did with them, and names every month of the year that has no ETo
// on any day (a month whose means lacked a value generates none). Says nothing when every day
// has both.
void ReportMissingValues(const std::filesystem::path& dir, const std::string& stem,
                         Reporter& reporter);

}  // namespace kelvaro::cli
