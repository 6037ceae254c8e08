#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <string>

#include "cli/batch_command.h"
#include "cli/chart_command.h"
#include "cli/command_status.h"
#include "cli/crop_command.h"
#include "cli/demo_command.h"
#include "cli/generator_check_command.h"
#include "cli/normal_command.h"
#include "cli/open_command.h"
#include "cli/option_checks.h"
#include "cli/presets_command.h"
#include "cli/report_command.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "cli/template_command.h"

namespace {

// Help and --version end with 0; a command's own status comes back as a RuntimeError; every
// other parse error (unknown option, missing value, bad number) is a usage error, refused before
// anything ran.
int ExitStatus(const CLI::App& app, const CLI::ParseError& error) {
  const int code = app.exit(error);
  if (error.get_name() == "RuntimeError" || code == kelvaro::kExitDone) return code;
  return kelvaro::kExitRefused;
}

// A first word that names no command is a mistyped one; say so rather than that a command is
// missing.
bool RefusedAsUnknownCommand(const CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return false;
  const std::string word = argv[1];
  std::string commands;
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    if (command->check_name(word)) return false;
    commands += (commands.empty() ? "" : ", ") + command->get_name();
  }
  std::cerr << "'" << word << "' is not a command of kelvaro-cli; the commands are " << commands
            << "\nRun with --help for more information.\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"KELVARO: reference ET, crop water use and ETAW for irrigation study areas"};
  app.set_version_flag("--version", std::string("kelvaro-cli ") + KELVARO_VERSION);
  app.require_subcommand(1);
  app.footer(
      "Exit status: 0 done, 1 an operation failed, 2 refused before anything ran (nothing "
      "written).");
  kelvaro::cli::AddRunCommand(app);
  kelvaro::cli::AddPresetsCommand(app);
  kelvaro::cli::AddStatsCommand(app);
  kelvaro::cli::AddDemoCommand(app);
  kelvaro::AddCropCommands(app);
  kelvaro::cli::AddBatchCommand(app);
  kelvaro::cli::AddTemplateCommand(app);
  kelvaro::cli::AddOpenCommand(app);
  kelvaro::cli::AddNormalCommand(app);
  kelvaro::cli::AddReportCommand(app);
  kelvaro::cli::AddChartCommand(app);
  kelvaro::cli::AddGeneratorCheckCommand(app);
  kelvaro::cli::RefuseEmptyValues(app);
  if (RefusedAsUnknownCommand(app, argc, argv)) return kelvaro::kExitRefused;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return ExitStatus(app, error);
  } catch (const std::exception& error) {
    // Whatever a command did not catch ends the command, never with a crash.
    std::cerr << "kelvaro-cli: " << error.what() << "\n";
    return kelvaro::kExitError;
  }
  return kelvaro::kExitDone;
}
