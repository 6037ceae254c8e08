#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

// "template --kind KIND --name NAME --lat LAT --elev ELEV": writes the empty input file NAME.KIND.
void AddTemplateCommand(CLI::App& app);

}  // namespace kelvaro::cli
