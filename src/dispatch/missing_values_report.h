#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "weatherio/working_daily_file.h"

namespace kelvaro {

// After a run: how many days of its working file had no ETo or no rain (-999) and what the
// water balance did with them, and every month of the year that has no ETo on any day (a month
// whose means lacked a value generates none). Nothing when every day has both.
std::vector<std::string> MissingValueWarnings(const WorkingDailyFile& file);

}  // namespace kelvaro
