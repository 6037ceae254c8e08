#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

void AddDemoCommand(CLI::App& app);

}  // namespace kelvaro::cli
