#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/test_folder.h"

namespace kelvaro::testing {

CliResult RunCli(const std::string& arguments) {
  TestFolder capture;
  const std::string command = std::string(KELVARO_CLI_PATH) + " " + arguments + " >" +
                              (capture / "out").string() + " 2>" + (capture / "err").string();
  const int raw = std::system(command.c_str());
  CliResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = capture.Read("out");
  result.err = capture.Read("err");
  return result;
}

}  // namespace kelvaro::testing
