#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "cli/command_status.h"
#include "cli/console.h"

namespace kelvaro {
class TGetData;
}

namespace kelvaro::cli {

// The run dialog's fields as given on the command line.
struct RunOptions {
  std::string input;
  std::string preset;
  std::string station;
  std::string latitude;
  std::string elevation;
  std::string sa;
  std::string years;
  std::string fetch;
  std::filesystem::path dir = ".";
  bool verbose = false;
  int jobs = 0;  // threads of the water balance; 0: one per core
};

void AddRunCommand(CLI::App& app);

// Sets the run dialog's input kind and activates it, then fills what the options give (a preset
// first), as a user would.
void FillDialog(const RunOptions& options, TGetData& dialog);

// True when `dir` is a folder; otherwise says so on stderr.
bool DataFolderExists(const std::filesystem::path& dir);

// Fills the run dialog as a user would and presses OK. Returns the exit status; warnings and
// message boxes go to stderr.
int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter);

}  // namespace kelvaro::cli
