#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Averages a daily temperature file (FileStem + "." + ext: Year, Mon, Day, DOY, TMax, TMin,
// Pcp) into the twelve-row table FileStem + ".mtm": mean TMax and TMin of the counted days,
// and the rain and rain days of each month per calendar year spanned (last year - first + 1).
// A rain day holds more rain than twice its Hargreaves-Samani ETo. A month without any counted
// day is -999 throughout. Switches the session to pi = 3.1415.
void DayToMonTemp(const RunParameters& run, Session& session);

}  // namespace kelvaro
