#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command_status.h"
#include "cli/console.h"
#include "dispatch/study_area_run.h"

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
  int jobs = 0;  // threads of the water balance; 0: one per core
};

void AddRunCommand(CLI::App& app);

// The run the options ask for: a preset's station, latitude, elevation and years, then the
// options given. Throws Refusal for an unknown preset.
RunRequest RequestOf(const RunOptions& options);

// True when `dir` is a folder; otherwise says so on stderr.
bool DataFolderExists(const std::filesystem::path& dir);

// Checks and runs the run the options ask for. Returns the exit status; warnings and the
// operations' messages go to stderr, each refusal followed by a hint line. Throws Refusal for an
// unknown input kind or an entry that does not convert. A done run's working file years go to
// `record_years` when it is given.
int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter,
                        std::optional<RecordYears>* record_years = nullptr);

}  // namespace kelvaro::cli
