#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Generates `Years` years of daily weather from the station's twelve monthly means
// (FileStem + "." + ext) and writes FileStem + .tmp (as simulated), .gen (rescaled to the
// input means, smooth wind), .wxr, .std and .cve (monthly statistics of the simulated years).
// A missing input file is reported as "Couldn't find <name>."; bad input throws InputError or
// ConversionError and writes nothing.
void GenerateWeather(const RunParameters& run, Session& session);

}  // namespace kelvaro
