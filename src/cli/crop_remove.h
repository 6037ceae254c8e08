#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro {

// `crop remove --sa N --crop K`: takes crop row K out of the study area's crop file.
void AddCropRemoveCommand(CLI::App& crop);

}  // namespace kelvaro
