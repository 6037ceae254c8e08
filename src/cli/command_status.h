#pragma once

#include <functional>
#include <stdexcept>

namespace kelvaro {

// Exit statuses of every command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitError = 1;    // an operation failed, or a file could not be written
inline constexpr int kExitRefused = 2;  // refused before anything ran: nothing was written

// Input a command refuses before it reads or writes anything; its message names the option.
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs a command's body, prints any error of ours to stderr and turns a status other than 0
// into the CLI11 exit that ends the program with it, so no exception escapes main. A Refusal
// ends with kExitRefused, any other error with kExitError.
void RunCommand(const std::function<int()>& body);

}  // namespace kelvaro
