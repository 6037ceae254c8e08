#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>

namespace kelvaro::testing {

CliRun RunInFolder(const TestFolder& folder, const std::string& command_line) {
  const TestFolder capture;
  const std::string script =
      "cd '" + folder.path().string() + "' && CLI='" KELVARO_CLI_PATH "' && { " + command_line +
      "\n} > '" + (capture / "out").string() + "' 2> '" + (capture / "err").string() + "'";
  const int raw = std::system(script.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = capture.Read("out");
  run.err = capture.Read("err");
  return run;
}

CliRun RunCli(const std::string& arguments) {
  const TestFolder scratch;
  return RunInFolder(scratch, "\"$CLI\" " + arguments);
}

}  // namespace kelvaro::testing
