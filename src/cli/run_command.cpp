#include "cli/run_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/option_checks.h"
#include "cli/run_help.h"
#include "cli/run_hints.h"
#include "cli/study_area_report.h"
#include "dispatch/input_kinds.h"
#include "dispatch/preset_stations.h"
#include "dispatch/run_dialog.h"
#include "session/parallel_for.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

FieldSources SourcesOf(const RunOptions& options) {
  const std::string preset = options.preset.empty() ? "" : "--preset " + options.preset;
  return {options.latitude.empty() ? preset : "--lat",
          options.elevation.empty() ? preset : "--elev"};
}

// The path dialogs hide the fields a kind does not read; typed on the command line, they would
// be dropped without a word.
void WarnAboutUnusedOptions(const RunOptions& options, const InputKind& kind, Reporter& reporter) {
  const DispatchRow& row = DispatchRowOf(kind);
  const std::string kind_name = " is not used by --input " + std::string(kind.ext);
  if (!options.years.empty() && !row.needs_years) reporter.Warn("--years" + kind_name);
  if (!options.fetch.empty() && !row.needs_fetch) reporter.Warn("--fetch" + kind_name);
}

// Each refusal with the line that says which option fills the field or which file was missing.
void PrintProblems(const RunResult& result, const fs::path& dir) {
  const fs::path folder = AbsoluteFolder(dir);
  for (const RunProblem& problem : result.problems) {
    std::cerr << problem.message << "\n";
    if (const auto hint = HintFor(problem, result.parameters, folder)) std::cerr << *hint << "\n";
  }
}

void AddRunOptions(CLI::App& run, RunOptions& options) {
  run.add_option("--input", options.input, "Input kind: the extension of the input file")
      ->type_name("KIND")
      ->required()
      ->check(InputKindCheck());
  run.add_option("--preset", options.preset,
                 "A preset station (see `presets`): fills --station, --lat, --elev and "
                 "--years 30; the station's weather file must still be in --dir")
      ->type_name("NAME");
  run.add_option("--station", options.station,
                 "Input file name without extension; its first five characters name the file")
      ->type_name("NAME");
  run.add_option("--lat", options.latitude,
                 "Latitude, decimal degrees, north positive, between -90 and 90 "
                 "(default: the input file's first line)")
      ->type_name("DEGREES")
      ->check(DecimalNumber(5));
  run.add_option("--elev", options.elevation,
                 "Elevation, metres, between -200 and 4000 (default: the input file's first line)")
      ->type_name("METRES")
      ->check(DecimalNumber(5));
  run.add_option("--sa", options.sa,
                 "Study-area number, 1 to 99999; its crops are in SA + five digits + .csv")
      ->type_name("N");
  run.add_option("--years", options.years,
                 "Years to generate, 2 to 99 (generated kinds; no default)")
      ->type_name("N")
      ->check(WholeNumber());
  run.add_option("--fetch", options.fetch,
                 "Fetch of the evaporation pan: metres of grass upwind (pan kinds; no default)")
      ->type_name("METRES")
      ->check(PositiveNumber(5));
  run.add_option("--dir", options.dir,
                 "Folder of the input files and the results (default: the current folder)")
      ->type_name("FOLDER");
  run.add_flag("--verbose", options.verbose, "Also print the trace lines of the operations");
  run.add_flag("--quiet", options.quiet,
               "Print nothing on success but warnings (no result folder, no summary)");
  run.add_option("--jobs", options.jobs,
                 "Threads for the crops of the study area (default: one per core; 1: one crop "
                 "after another); the results are the same")
      ->type_name("N")
      ->check(CLI::Range(1, kMaxJobs));
}

}  // namespace

RunRequest RequestOf(const RunOptions& options) {
  RunRequest request;
  if (!options.preset.empty()) {
    const PresetStation* preset = FindPresetStation(options.preset);
    if (preset == nullptr) {
      throw Refusal("--preset: unknown preset station " + Quoted(options.preset) +
                    "; `kelvaro-cli presets` lists them");
    }
    request.station = preset->station;
    request.latitude = preset->latitude;
    request.elevation = preset->elevation;
    request.years = kPresetYears;
  }
  const auto set_if_given = [](const std::string& value, std::string& field) {
    if (!value.empty()) field = value;
  };
  set_if_given(options.station, request.station);
  set_if_given(options.latitude, request.latitude);
  set_if_given(options.elevation, request.elevation);
  set_if_given(options.years, request.years);
  request.input = options.input;
  request.sa = options.sa;
  request.fetch = options.fetch;
  request.folder = options.dir;
  request.jobs = options.jobs;
  request.sources = SourcesOf(options);
  return request;
}

bool DataFolderExists(const std::filesystem::path& dir) {
  std::error_code error;
  if (std::filesystem::is_directory(dir, error)) return true;
  std::cerr << "The data folder " << dir.string() << " does not exist\n";
  return false;
}

int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter,
                        std::optional<RecordYears>* record_years) {
  const auto kind = FindInputKind(options.input);
  if (!kind) throw Refusal("--input: " + UnknownInputKindMessage(options.input));
  if (!DataFolderExists(options.dir)) return kExitRefused;
  const RunRequest request = RequestOf(options);
  WarnAboutUnusedOptions(options, *kind, reporter);
  RunResult result = CheckRequest(request);
  for (const std::string& warning : result.warnings) reporter.Warn(warning);
  if (!result.station_line_note.empty()) std::cerr << result.station_line_note << "\n";
  if (!result.problems.empty() && result.problems.front().check == RunCheck::kNotANumber) {
    throw Refusal(result.problems.front().message);
  }
  if (result.status == RunResult::Status::kRefused) {
    PrintProblems(result, options.dir);
    return kExitRefused;
  }
  RunChecked(request, result, reporter);
  if (result.error) std::cerr << "kelvaro-cli: " << *result.error << "\n";
  if (record_years != nullptr) *record_years = result.record_years;
  return result.status == RunResult::Status::kDone ? kExitDone : kExitError;
}

void AddRunCommand(CLI::App& app) {
  auto options = std::make_shared<RunOptions>();
  CLI::App* run = app.add_subcommand(
      "run", "Compute ETo and the water balance of a study area from one input file");
  AddRunOptions(*run, *options);
  run->footer(RunHelpFooter());
  run->callback([options] {
    RunCommand([&] {
      ConsoleReporter reporter(options->verbose);
      std::optional<RecordYears> years;
      const int status = RunChainFromOptions(*options, reporter, &years);
      if (status != kExitDone || options->quiet) return status;
      std::cout << "Results are in " << AbsoluteFolder(options->dir).string() << "\n";
      RunParameters run;
      run.SA = options->sa;
      run.Station = RequestOf(*options).station;
      PrintStudyAreaReport(options->dir, run.SA5(), run.FileStem(), years);
      return status;
    });
  });
}

}  // namespace kelvaro::cli
