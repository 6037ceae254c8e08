#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

void AddPresetsCommand(CLI::App& app);

}  // namespace kelvaro::cli
