#include "cli/run_command.h"

#include <iostream>
#include <memory>

#include "dispatch/run_dialog.h"
#include "session/parallel_for.h"

namespace kelvaro::cli {

void FillDialog(const RunOptions& options, TGetData& dialog) {
  dialog.SetExtension(options.input);
  dialog.FormActivate();
  if (!options.preset.empty()) {
    const PresetStation* preset = FindPresetStation(options.preset);
    if (preset == nullptr) throw CLI::ValidationError("--preset", "unknown preset station");
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

bool DataFolderExists(const std::filesystem::path& dir) {
  std::error_code error;
  if (std::filesystem::is_directory(dir, error)) return true;
  std::cerr << "The data folder " << dir.string() << " does not exist\n";
  return false;
}

int RunChainFromOptions(const RunOptions& options, ConsoleReporter& reporter) {
  if (!DataFolderExists(options.dir)) return kExitRefused;
  Session session(options.dir, reporter);
  session.jobs = options.jobs;
  ConsoleNavigator navigator;
  TGetData dialog(session, navigator);
  FillDialog(options, dialog);
  dialog.ButtonOKClick();
  if (dialog.Warning.visible) {
    for (const auto& line : dialog.Warning.lines) std::cerr << line << "\n";
    return kExitRefused;
  }
  return reporter.boxes() > 0 || !navigator.results_shown() ? kExitError : kExitDone;
}

void AddRunCommand(CLI::App& app) {
  auto options = std::make_shared<RunOptions>();
  CLI::App* run =
      app.add_subcommand("run", "Run the chain for one input kind, as the run dialog's OK does");
  run->add_option("--input", options->input,
                  "Input kind (extension): day, mon, dmn, cdm, qrd, dpn, mpn, etm, met, det, "
                  "mtm, dtm, rtm")
      ->required();
  run->add_option("--preset", options->preset,
                  "A station of the Hydrologic Regions menu (see `presets`); fills station, "
                  "latitude, elevation and 30 years");
  run->add_option("--station", options->station, "Input file name without extension");
  run->add_option("--lat", options->latitude, "Latitude, decimal degrees, north positive");
  run->add_option("--elev", options->elevation, "Elevation, metres");
  run->add_option("--sa", options->sa, "Study-area number (1-99999)");
  run->add_option("--years", options->years, "Years to simulate (generated kinds)");
  run->add_option("--fetch", options->fetch, "Fetch of the evaporation pan, metres (pan kinds)");
  run->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  run->add_flag("--verbose", options->verbose, "Print the trace lines of the operations");
  run->add_option("--jobs", options->jobs,
                  "Threads for the crops of the study area (default: one per core; 1: one "
                  "crop after another); the results are the same")
      ->check(CLI::Range(1, kMaxJobs));
  run->callback([options] {
    RunCommand([&] {
      ConsoleReporter reporter(options->verbose);
      const int status = RunChainFromOptions(*options, reporter);
      if (status == kExitDone) std::cout << "Results written to " << options->dir.string() << "\n";
      return status;
    });
  });
}

}  // namespace kelvaro::cli
