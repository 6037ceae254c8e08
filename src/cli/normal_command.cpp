#include "cli/normal_command.h"

#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "viewers/normal_year_call.h"
#include "viewers/study_area_files.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::cli {
namespace {

struct NormalOptions {
  std::string sa;
  int crop = 0;
  std::filesystem::path dir = ".";
  bool open = false;
  bool verbose = false;
};

int RunNormal(const NormalOptions& o) {
  if (!DataFolderExists(o.dir)) return kExitRefused;
  const FolderGuard guard(o.dir, "normal");
  ConsoleReporter reporter(o.verbose);
  Session session(o.dir, reporter);
  HandOverSpreadsheet spreadsheet(session, o.open);
  const auto crops = ListedCrops(o.dir, o.sa, o.crop);
  if (!crops) return kExitRefused;
  const FileOutcome outcome = MakeNormalYear({o.sa, o.crop, NormalYearNaming::kCropStem}, session);
  if (PrintProblems(outcome.problems)) {
    const std::string sa5 = PaddedSaText(o.sa);
    std::cerr << LookedForLine(CropResultName(sa5, CropNumberText(o.crop), "csv"), o.dir,
                               "a run of study area " + o.sa + " writes it")
              << "\n";
    return kExitRefused;
  }
  if (!o.open && outcome.found()) {
    std::cout << "Normal year of " << crops->names[static_cast<size_t>(o.crop - 1)]
              << " written to " << outcome.file->string() << "\n";
    return kExitDone;
  }
  return ShowOutcome(outcome, spreadsheet, reporter, false);
}

}  // namespace

void AddNormalCommand(CLI::App& app) {
  auto options = std::make_shared<NormalOptions>();
  CLI::App* normal = app.add_subcommand(
      "normal", "Daily mean water balance of one crop over all years of its daily file (.nor)");
  normal->add_option("--sa", options->sa, "Study area number, " + std::string(kSaNumberSpan))
      ->required();
  normal->add_option("--crop", options->crop, "Crop number, from 1, as `crop show` lists it")
      ->required();
  normal->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  normal->add_flag("--open", options->open, "Open the written file in the spreadsheet");
  normal->add_flag("--verbose", options->verbose, "Print the trace lines ET1=, ET2=, NA2=, NA3=");
  normal->callback([options] { RunCommand([&] { return RunNormal(*options); }); });
}

}  // namespace kelvaro::cli
