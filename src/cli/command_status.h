#pragma once

#include <functional>

namespace kelvaro {

// Exit statuses of the commands.
inline constexpr int kExitDone = 0;
inline constexpr int kExitError = 1;    // bad input or a file that cannot be read or written
inline constexpr int kExitRefused = 2;  // the form refused the entries with warnings

// Runs a command's body, prints any error of ours to stderr and turns a status other than 0
// into the CLI11 exit that ends the program with it, so no exception escapes main.
void RunCommand(const std::function<int()>& body);

}  // namespace kelvaro
