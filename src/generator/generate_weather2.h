#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Generates `Years` years of daily rain and ETo from a monthly table with ETo (FileStem + "." +
// ext) and writes FileStem + .tmp (as simulated), .wrk (rescaled to the input Pcp and ETo, the
// other weather columns -999), .wxr, .std and .cve. ETo takes the place of both temperatures
// in the generator: once as ETo 1.8 + 32 for the first process, once as it is for the second,
// whose output is the daily ETo. Every month needs ETo, Pcp and NRD.
void GenerateWeather2(const RunParameters& run, Session& session);

}  // namespace kelvaro
