#pragma once

#include <string>

#include "weatherio/rain_and_evaporation_file.h"

namespace kelvaro {

// A working-file row of a day known only by its rain and ETo (from pan or ETo data): Solar,
// TMax, TMin, Wind and Td are -999, written without decimals ("    -999").
std::string RainAndEtoRow(const RainAndEvaporationDay& day, float eto);

}  // namespace kelvaro
