#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// Starts `arguments[0]` (a path to an executable) with the arguments, detached: the call returns
// as soon as the program runs, never waits for it to end, and leaves no zombie behind (the
// program is handed to init). Its standard streams go to /dev/null, and it gets a session of
// its own, so ending the caller's terminal does not end it. Throws InputError naming the
// program when it cannot be started.
void StartDetached(const std::vector<std::string>& arguments);

}  // namespace kelvaro
