#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "cli/console.h"

namespace kelvaro::cli {

void AddStatsCommand(CLI::App& app);

// Writes the six statistics files of `station` + ".wrk" in `dir` as the statistics dialog does,
// without opening any. Returns the exit status; a working file that cannot be opened is
// reported on stderr.
int WriteStatistics(const std::string& station, const std::filesystem::path& dir,
                    Reporter& reporter);

}  // namespace kelvaro::cli
