#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

void AddGeneratorCheckCommand(CLI::App& app);

}  // namespace kelvaro::cli
