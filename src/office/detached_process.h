#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// Starts `arguments[0]` (a path to an executable) with the arguments, detached: the call returns
// as soon as the program runs, never waits for it to end, and leaves no zombie behind (the
// program is handed to init). Its standard streams go to /dev/null, and it gets a session of
// its own, so ending the caller's terminal does not end it. Throws InputError naming the
// program when it cannot be started.
void StartDetached(const std::vector<std::string>& arguments);

// A started program that ended while it was watched, with what it wrote to its error stream
// (the first 4 KiB).
struct EarlyExit {
  int status = 0;  // the exit status, or 128 + the signal that ended it
  std::string error_output;
};

// StartDetached, then watches the program for `watch`: an office program that cannot open a
// window ends within a second, saying why. Nothing when the program still runs after `watch`.
std::optional<EarlyExit> StartDetachedWatched(const std::vector<std::string>& arguments,
                                              std::chrono::milliseconds watch);

}  // namespace kelvaro
