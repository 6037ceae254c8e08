#pragma once

#include <filesystem>
#include <string>

#include "analysis/chart_data.h"

namespace kelvaro {

// One year of crop `crop_number` of study area `sa5`: ETo and ETc (mm a day, left axis), Kc
// (second left axis), the depletion and its threshold (mm, right axis) from the crop's daily
// balance file, and the irrigations the run recorded marked at their depths; a year of 0 is the
// first year of the run. Throws InputError
// naming the file when the daily file is missing, holds no day of `year`, or its days of that
// year do not follow one another (a file cut short or edited).
ChartData SeasonChart(const std::filesystem::path& folder, const std::string& sa5, int crop_number,
                      int year);

}  // namespace kelvaro
