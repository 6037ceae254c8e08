#pragma once

#include <string>

namespace kelvaro::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs kelvaro-cli with the arguments (already quoted for the shell) and collects its output.
CliResult RunCli(const std::string& arguments);

}  // namespace kelvaro::testing
