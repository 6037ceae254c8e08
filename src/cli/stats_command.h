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

// The line after "An invalid input file name": which file was looked for in which folder, and
// what writes it.
std::string LookedForLine(const std::string& file_name, const std::filesystem::path& dir,
                          const std::string& written_by);

}  // namespace kelvaro::cli
