#pragma once

#include "generator/simulation_recipe.h"
#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Simulates `Years` years from the station's twelve monthly rows (FileStem + "." + ext) as the
// recipe says, and writes FileStem + .tmp (days as simulated), .wxr, .std, .cve (monthly
// statistics of the simulated years) and the second-pass file (.gen or .wrk), all together or
// none. A missing input file is reported as "Couldn't find <name>."; bad input throws
// InputError or ConversionError naming the file and month, and writes nothing.
void RunSimulation(const SimulationRecipe& recipe, const RunParameters& run, Session& session);

}  // namespace kelvaro
