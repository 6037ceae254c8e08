#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <string>

#include "cli/command_status.h"
#include "cli/crop_command.h"
#include "cli/demo_command.h"
#include "cli/normal_command.h"
#include "cli/open_command.h"
#include "cli/presets_command.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "cli/template_command.h"

int main(int argc, char** argv) {
  CLI::App app{"KELVARO: reference ET, crop water use and ETAW for irrigation study areas"};
  app.set_version_flag("--version", std::string("kelvaro-cli ") + KELVARO_VERSION);
  app.require_subcommand(1);
  kelvaro::cli::AddRunCommand(app);
  kelvaro::cli::AddPresetsCommand(app);
  kelvaro::cli::AddStatsCommand(app);
  kelvaro::cli::AddDemoCommand(app);
  kelvaro::AddCropCommands(app);
  kelvaro::cli::AddTemplateCommand(app);
  kelvaro::cli::AddOpenCommand(app);
  kelvaro::cli::AddNormalCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    // Whatever a command did not catch ends the command, never with a crash.
    std::cerr << "kelvaro-cli: " << error.what() << "\n";
    return kelvaro::kExitError;
  }
  return kelvaro::kExitDone;
}
