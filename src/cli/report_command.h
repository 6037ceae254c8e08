#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "analysis/volume_units.h"

namespace kelvaro::cli {

void AddReportCommand(CLI::App& app);

// Prints the water budget of study area `sa5` in `dir` and writes it as a CSV beside the
// results. Returns the exit status; a refusal is printed on stderr.
int ReportStudyArea(const std::filesystem::path& dir, const std::string& sa5, VolumeUnit unit);

}  // namespace kelvaro::cli
