#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Turns a daily ETo and rain file FileStem.det (Year, Mon, Day, DOY, Pcp, ETo) into the working
// daily file FileStem.wrk, Pcp and ETo as read and -999 in the weather columns.
void EToCovertion(const RunParameters& run, Session& session);

}  // namespace kelvaro
