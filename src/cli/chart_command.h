#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>

namespace kelvaro::cli {

void AddChartCommand(CLI::App& app);

// After the demo's runs in `dir`: the water budget of study area 1 of the measured run and one
// chart of each kind in `dir`/charts, each named on stdout. Returns the exit status.
int WriteDemoReportAndCharts(const std::filesystem::path& dir);

}  // namespace kelvaro::cli
