#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

// "normal --sa N --crop K": writes the crop's normal year "SA" + SA5 + "C" + kkk + ".nor".
void AddNormalCommand(CLI::App& app);

}  // namespace kelvaro::cli
