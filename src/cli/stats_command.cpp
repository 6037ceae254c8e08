#include "cli/stats_command.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "office/office_calls.h"
#include "stats/statistics_files.h"
#include "viewers/statistics_call.h"
#include "viewers/statistics_dialogs.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct StatsOptions {
  std::string station;
  std::string kind = "avg";
  bool open = false;
  fs::path dir = ".";
  bool verbose = false;
};

constexpr const char* kKindsHelp =
    "Every run writes all six files beside the working file; --kind only picks the one --open "
    "shows:\n"
    "  avg  mean of every column for each day of the year (1-366); its ETo is recomputed from\n"
    "       that day's mean weather\n"
    "  sdv  standard deviation of every column for each day of the year\n"
    "  cov  coefficient of variation (standard deviation / mean, in percent) for each day of\n"
    "       the year\n"
    "  wxr  mean of every column for each month\n"
    "  std  standard deviation of every column for each month\n"
    "  cve  coefficient of variation of every column for each month\n"
    "Missing values (-999) are left out: a missing Solar, Wind or Td leaves out all three of\n"
    "that day, a missing TMax or TMin both, a missing Pcp or ETo both.";

constexpr const char* kWorkingFileWriter = "every run writes the working file of its station";

void PrintWritten(const std::string& station, const fs::path& dir) {
  std::cout << "Statistics of " << station << ".wrk written to " << dir.string() << ":";
  for (const StatisticsFileLayout& layout : kStatisticsFiles) {
    std::cout << " " << station << "." << layout.ext;
  }
  std::cout << "\n";
}

void PrintNoWorkingFile(const FileOutcome& outcome, const std::string& station,
                        const fs::path& dir) {
  PrintProblems(outcome.problems);
  std::cerr << LookedForLine(station + ".wrk", dir, kWorkingFileWriter) << "\n";
}

// As the dialog's OK: write the six files, then hand the chosen one to the spreadsheet.
int WriteAndOpen(const StatsOptions& options, ConsoleReporter& reporter) {
  Session session(options.dir, reporter);
  HandOverSpreadsheet spreadsheet(session, true);
  const FileOutcome outcome = MakeStatistics({options.station, options.kind}, session);
  if (!outcome.found()) {
    PrintNoWorkingFile(outcome, options.station, options.dir);
    return kExitRefused;
  }
  OpenInSpreadsheet(spreadsheet, *outcome.file, reporter);
  PrintWritten(options.station, options.dir);
  if (reporter.boxes() > 0) return kExitError;
  if (spreadsheet.no_display() && spreadsheet.handed_over()) {
    std::cout << NoDisplayText(*spreadsheet.handed_over()) << "\n";
  }
  return kExitDone;
}

int RunStats(const StatsOptions& options) {
  if (!IsSafeName(options.station)) {
    throw Refusal("--station: " + Quoted(options.station) +
                  " is a file name without .wrk; --dir names its folder");
  }
  if (!DataFolderExists(options.dir)) return kExitRefused;
  const FolderGuard guard(options.dir, "stats --station " + options.station);
  ConsoleReporter reporter(options.verbose);
  if (options.open) return WriteAndOpen(options, reporter);
  const int status = WriteStatistics(options.station, options.dir, reporter);
  if (status == kExitDone) PrintWritten(options.station, options.dir);
  return status;
}

}  // namespace

std::string LookedForLine(const std::string& file_name, const fs::path& dir,
                          const std::string& written_by) {
  std::error_code error;
  const std::string folder = fs::weakly_canonical(fs::absolute(dir), error).string();
  return "  Looked for " + file_name + " in " + folder +
         ": there is none (names match in any letter case); " + written_by;
}

int WriteStatistics(const std::string& station, const fs::path& dir, Reporter& reporter) {
  Session session(dir, reporter);
  const FileOutcome outcome = MakeStatistics({station}, session);
  if (!outcome.found()) {
    PrintNoWorkingFile(outcome, station, dir);
    return kExitRefused;
  }
  return kExitDone;
}

void AddStatsCommand(CLI::App& app) {
  auto options = std::make_shared<StatsOptions>();
  CLI::App* stats = app.add_subcommand(
      "stats", "Daily and monthly mean, standard deviation and CV of a working daily file (.wrk)");
  stats->add_option("--station", options->station, "Working file name without .wrk")->required();
  std::vector<std::string> kinds;
  for (const StatisticChoice& choice : kStatisticChoices) kinds.emplace_back(choice.ext);
  stats->add_option("--kind", options->kind, "The file --open shows (default avg)")
      ->check(CLI::IsMember(kinds));
  stats->add_flag("--open", options->open, "Open the chosen file in the spreadsheet");
  stats->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  stats->add_flag("--verbose", options->verbose, "Print the trace lines of the statistics");
  stats->footer(kKindsHelp);
  stats->callback([options] { RunCommand([&] { return RunStats(*options); }); });
}

}  // namespace kelvaro::cli
