#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Converts a weather-station network's daily export (FileStem + "." + ext, qrd or cdm) into the
// program's daily weather file FileStem.day. A line that cannot be read refuses the whole file,
// naming the line, and nothing is written.
void DailyOutput(const RunParameters& run, Session& session);

}  // namespace kelvaro
