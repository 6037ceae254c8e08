#include "cli/run_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/missing_values_report.h"
#include "cli/option_checks.h"
#include "cli/run_help.h"
#include "cli/run_hints.h"
#include "cli/station_line_values.h"
#include "cli/study_area_report.h"
#include "dispatch/input_kinds.h"
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

void FillDialog(const RunOptions& options, const InputKind& kind, TGetData& dialog) {
  dialog.SetExtension(kind.ext);
  dialog.FormActivate();
  if (!options.preset.empty()) {
    const PresetStation* preset = FindPresetStation(options.preset);
    if (preset == nullptr) {
      throw Refusal("--preset: unknown preset station " + Quoted(options.preset) +
                    "; `kelvaro-cli presets` lists them");
    }
    dialog.ChoosePreset(*preset);
  }
  const auto set_if_given = [](const std::string& value, FormField& field) {
    if (!value.empty()) field.text = value;
  };
  set_if_given(options.station, dialog.Station);
  set_if_given(options.latitude, dialog.Latitude);
  set_if_given(options.elevation, dialog.Elevation);
  set_if_given(options.sa, dialog.SA);
  set_if_given(options.years, dialog.Years);
  set_if_given(options.fetch, dialog.FetchVal);
}

// The operations read the file named by the first five characters of the station.
void UseStationLine(const RunOptions& options, const InputKind& kind, TGetData& dialog,
                    Reporter& reporter, std::ostream& notes) {
  const RunParameters run = dialog.Parameters();
  if (!kind.has_station_line || run.Station.empty() || !IsSafeName(run.Station)) return;
  const std::string file_name = run.FileStem() + "." + std::string(kind.ext);
  const auto line = ReadStationLineValues(FindInFolder(options.dir, file_name));
  if (line) CheckAgainstStationLine(*line, SourcesOf(options), dialog, reporter, notes);
}

// The path dialogs hide the fields a kind does not read; typed on the command line, they would
// be dropped without a word.
void WarnAboutUnusedOptions(const RunOptions& options, const InputKind& kind, Reporter& reporter) {
  const DispatchRow& row = DispatchRowOf(kind);
  const std::string kind_name = " is not used by --input " + std::string(kind.ext);
  if (!options.years.empty() && !row.needs_years) reporter.Warn("--years" + kind_name);
  if (!options.fetch.empty() && !row.needs_fetch) reporter.Warn("--fetch" + kind_name);
}

// An entry that does not convert ends the run; before the chain started nothing was written.
void PressOk(TGetData& dialog) {
  try {
    dialog.ButtonOKClick();
  } catch (const std::exception& error) {
    if (dialog.DataReady == "yes") throw;
    throw Refusal(error.what());
  }
}

void PrintWarnings(const std::vector<std::string>& lines, const TGetData& dialog,
                   const fs::path& dir) {
  const RunParameters run = dialog.Parameters();
  const fs::path folder = AbsoluteFolder(dir);
  for (const auto& line : lines) {
    std::cerr << line << "\n";
    if (const auto hint = HintFor(line, run, folder)) std::cerr << *hint << "\n";
  }
}

// The station typed, or that of the preset.
std::string StationOf(const RunOptions& options) {
  if (!options.station.empty() || options.preset.empty()) return options.station;
  const PresetStation* preset = FindPresetStation(options.preset);
  return preset == nullptr ? "" : std::string(preset->station);
}

// The dialog checks its fields before the input file. An unsafe station name, or a missing input
// file where the latitude or elevation was left out for its first line to give, is the cause of
// what is missing, so the command line says it first.
std::optional<std::string> InputFileProblem(const TGetData& dialog, const fs::path& dir) {
  const RunParameters run = dialog.Parameters();
  if (run.Station.empty()) return std::nullopt;
  if (!IsSafeName(run.Station)) return std::string(kUnsafeStationMessage);
  if (!run.Latitude.empty() && !run.Elevation.empty()) return std::nullopt;
  std::error_code error;
  if (fs::exists(FindInFolder(dir, run.FileStem() + "." + run.Extension()), error)) {
    return std::nullopt;
  }
  return "An invalid input filename";
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

void FillRunDialog(const RunOptions& options, const InputKind& kind, TGetData& dialog,
                   Reporter& reporter, std::ostream& notes) {
  FillDialog(options, kind, dialog);
  WarnAboutUnusedOptions(options, kind, reporter);
  UseStationLine(options, kind, dialog, reporter, notes);
}

bool DataFolderExists(const std::filesystem::path& dir) {
  std::error_code error;
  if (std::filesystem::is_directory(dir, error)) return true;
  std::cerr << "The data folder " << dir.string() << " does not exist\n";
  return false;
}

int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter) {
  const auto kind = FindInputKind(options.input);
  if (!kind) throw Refusal("--input: " + UnknownInputKindMessage(options.input));
  if (!DataFolderExists(options.dir)) return kExitRefused;
  Session session(options.dir, reporter);
  session.jobs = options.jobs;
  ConsoleNavigator navigator;
  TGetData dialog(session, navigator);
  FillRunDialog(options, *kind, dialog, reporter, std::cerr);
  if (const auto problem = InputFileProblem(dialog, options.dir)) {
    PrintWarnings({*problem}, dialog, options.dir);
    return kExitRefused;
  }
  PressOk(dialog);
  if (dialog.Warning.visible) {
    PrintWarnings(dialog.Warning.lines, dialog, options.dir);
    return kExitRefused;
  }
  if (reporter.boxes() > 0 || !navigator.results_shown()) return kExitError;
  ReportMissingValues(options.dir, dialog.Parameters().FileStem(), reporter);
  return kExitDone;
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
      const int status = RunChainFromOptions(*options, reporter);
      if (status != kExitDone || options->quiet) return status;
      std::cout << "Results are in " << AbsoluteFolder(options->dir).string() << "\n";
      RunParameters run;
      run.SA = options->sa;
      run.Station = StationOf(*options);
      PrintStudyAreaReport(options->dir, run.SA5(), run.FileStem());
      return status;
    });
  });
}

}  // namespace kelvaro::cli
