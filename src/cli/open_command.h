#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

// "open KIND": finds a result or input file as the finder and viewer dialogs do and hands it to
// the spreadsheet (or prints its path).
void AddOpenCommand(CLI::App& app);

}  // namespace kelvaro::cli
