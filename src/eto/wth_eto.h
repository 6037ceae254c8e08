#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Daily reference ET from a daily weather file (FileStem + "." + ext, raw "day" or generated
// "gen"): writes FileStem.eto and the working daily file FileStem.wrk; for generated weather
// also FileStem.cpy, the days after each month's rain was re-assigned to its lowest-ETo days.
void WTHETo(const RunParameters& run, Session& session);

}  // namespace kelvaro
