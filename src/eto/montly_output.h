#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Reduces a daily weather file (FileStem + "." + ext, the day layout) to the twelve monthly
// means FileStem.mon the weather generator reads: mean Solar, TMax, TMin, Wind and Td of the
// complete days, the mean monthly rain total and mean number of rain days over the years from
// the first line's to the last line's, Pan -999. A day is a rain day when its rain exceeds twice
// its Hargreaves-Samani ETo. A month without a complete day is written as -999. Sets the
// session's pi to 3.1415 once a complete day is found.
void MontlyOutput(const RunParameters& run, Session& session);

// A complete day is a rain day of its month when its rain exceeds twice its Hargreaves-Samani
// ETo, mm.
bool IsRainDay(float pcp_mm, float eth_mm);

}  // namespace kelvaro
