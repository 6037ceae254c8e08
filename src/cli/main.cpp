#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>

#include "cli/demo_command.h"
#include "cli/presets_command.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  CLI::App app{"KELVARO: reference ET, crop water use and ETAW for irrigation study areas"};
  app.require_subcommand(1);
  kelvaro::cli::AddRunCommand(app);
  kelvaro::cli::AddPresetsCommand(app);
  kelvaro::cli::AddDemoCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    // Conversion errors, refused input and failed checks end the command, not the program.
    std::cerr << error.what() << "\n";
    return kelvaro::cli::kExitFailed;
  }
  return kelvaro::cli::kExitOk;
}
