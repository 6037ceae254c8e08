#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

// `batch FILE.csv`: every run of a batch file, each in a fresh session, several at once.
void AddBatchCommand(CLI::App& app);

}  // namespace kelvaro::cli
