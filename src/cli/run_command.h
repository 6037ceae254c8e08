#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "cli/command_status.h"
#include "cli/console.h"

namespace kelvaro::cli {

// The run dialog's fields as given on the command line; an empty text is a field left out.
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
  bool quiet = false;
};

void AddRunCommand(CLI::App& app);

// True when `dir` is a folder; otherwise says so on stderr.
bool DataFolderExists(const std::filesystem::path& dir);

// Fills the run dialog as a user would and presses OK. Returns the exit status; warnings and
// message boxes go to stderr, each warning of the dialog followed by a hint line. Throws Refusal
// for an unknown input kind or an entry that failed to convert before the chain started.
int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter);

}  // namespace kelvaro::cli
