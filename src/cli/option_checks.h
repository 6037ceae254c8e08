#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>

namespace kelvaro::cli {

// Every option of `app` and of all its subcommands that takes a value refuses an empty one
// (`--lat ''`), naming the option. Call it once every command is added.
void RefuseEmptyValues(CLI::App& app);

// A number as the operations read it: the first `used_characters` characters of the text
// converted with a decimal point ("33N" and "1e3x" are refused, naming the option).
CLI::Validator DecimalNumber(std::size_t used_characters);
CLI::Validator WholeNumber();
// A decimal number above 0, as the pan operations require of the fetch.
CLI::Validator PositiveNumber(std::size_t used_characters);

}  // namespace kelvaro::cli
