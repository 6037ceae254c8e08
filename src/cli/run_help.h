#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace kelvaro::cli {

// The input kinds, one a line: extension, what it is and does, the options it needs besides
// the common ones, and whether it can run yet.
std::string InputKindList();

// "'daily' is not an input kind; the kinds are:" and the list.
std::string UnknownInputKindMessage(const std::string& text);

// Refuses an --input that is none of the kinds (in any letter case), with the list.
CLI::Validator InputKindCheck();

// Closing text of `run --help`: the kinds and how a run finds its files.
std::string RunHelpFooter();

}  // namespace kelvaro::cli
