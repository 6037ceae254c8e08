#pragma once

#include <CLI/CLI.hpp>

namespace kelvaro {

// `crop add`: fills the crop/soil entry form from options and saves one row.
void AddCropAddCommand(CLI::App& crop);

}  // namespace kelvaro
