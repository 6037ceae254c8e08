#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Reference ET from daily class-pan records FileStem.dpn (Year, Mon, Day, DOY, Pcp, EPan) with
// the pan coefficient of the run's fetch: writes the working daily file FileStem.wrk, -999 in
// the weather columns and ETo -999 on days without EPan.
void DPNETo(const RunParameters& run, Session& session);

// Reference ET from the twelve monthly means with pan evaporation FileStem.mpn: writes
// FileStem.epm with the ETo column filled (-999 for a month without Pan).
void PanETo(const RunParameters& run, Session& session);

// Both refuse a fetch of 0 m or less with InputError before reading or writing anything, and
// set the session's pi to 3.1415 once their input was read.

}  // namespace kelvaro
