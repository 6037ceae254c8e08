#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro {

// `crop list`, `crop add` and `crop show`: the crop catalogue and the study areas' crop files.
void AddCropCommands(CLI::App& app);

}  // namespace kelvaro
