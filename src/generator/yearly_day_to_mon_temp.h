#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Turns a daily temperature file (FileStem + "." + ext: Year, Mon, Day, DOY, TMax, TMin, Pcp)
// into the working daily file FileStem + ".wrk" for every complete year of the record (1
// January to 31 December), each day's ETo taken from a smooth curve through that year's monthly
// mean Hargreaves-Samani ETo, and FileStem + ".ymm" with the monthly means of each such year.
// TMax, TMin and Pcp are written as read (TMax raised to TMin where it is lower). The days must
// follow one another; a record without a complete year is refused. Switches the session to
// pi = 3.1415.
void YearlyDayToMonTemp(const RunParameters& run, Session& session);

}  // namespace kelvaro
