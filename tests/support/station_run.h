#pragma once

#include <string>

#include "session/run_parameters.h"

namespace kelvaro::testing {

// The run parameters of a station at Maricopa's latitude and elevation (33.07 N, 361 m) reading
// `station` + "." + `ext`; the other fields empty.
RunParameters StationRun(const std::string& station, const std::string& ext);

}  // namespace kelvaro::testing
