#pragma once

#include <string>

#include "support/test_folder.h"

namespace kelvaro::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs a shell command line in `folder` with `$CLI` standing for the built kelvaro-cli.
CliRun RunInFolder(const TestFolder& folder, const std::string& command_line);

// Runs kelvaro-cli with the arguments (already quoted for the shell) in a scratch folder.
CliRun RunCli(const std::string& arguments);

}  // namespace kelvaro::testing
