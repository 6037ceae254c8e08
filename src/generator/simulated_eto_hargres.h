#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Simulates `Years` years of daily TMax, TMin and rain from a monthly table with ETo (FileStem
// + "." + ext: mtm, etm or epm), computes each day's Hargreaves-Samani ETo from the simulated
// temperatures, and writes FileStem + .tmp, .wrk (rescaled to the input TMax, TMin, Pcp and
// monthly ETo; Solar, Wind and Td -999), .wxr, .std and .cve. A missing monthly ETo is computed
// from the month's temperatures at its middle day. Every month needs TMax, TMin, Pcp and NRD.
// Switches the session to pi = 3.1415.
void SimulatedEToHargres(const RunParameters& run, Session& session);

}  // namespace kelvaro
