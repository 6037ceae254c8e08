#include "cli/normal_command.h"

#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "viewers/crop_item_num.h"
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
  ConsoleNavigator navigator;
  TGetCropItemNum dialog(session, spreadsheet, navigator);
  dialog.FormActivate();
  dialog.SA.text = o.sa;
  dialog.SAChange();
  if (!CropIsListed(dialog.CropItemCombo, dialog.Warning, o.sa, o.crop)) return kExitRefused;
  dialog.CropItemCombo.Select(o.crop);
  dialog.ButtonOKClick();
  if (!spreadsheet.handed_over() && PrintWarnings(dialog.Warning)) {
    const std::string sa5 = PaddedSaText(o.sa);
    std::cerr << LookedForLine(CropResultName(sa5, CropNumberText(o.crop), "csv"), o.dir,
                               "a run of study area " + o.sa + " writes it")
              << "\n";
    return kExitRefused;
  }
  if (!o.open && spreadsheet.handed_over()) {
    PrintWarnings(dialog.Warning);
    std::cout << "Normal year of " << dialog.CropItemCombo.items[static_cast<size_t>(o.crop)]
              << " written to " << spreadsheet.handed_over()->string() << "\n";
    return kExitDone;
  }
  return HandOverStatus(spreadsheet, dialog.Warning, reporter.boxes(), false);
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
