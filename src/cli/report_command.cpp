#include "cli/report_command.h"

#include <iostream>
#include <memory>

#include "analysis/water_budget.h"
#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/run_command.h"
#include "crops/crop_file.h"
#include "weatherio/errors.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct ReportOptions {
  int sa = 0;
  std::string units = "m3";
  fs::path dir = ".";
};

constexpr const char* kReportHelp =
    "Per crop: its planted area (from the crop file), the mean in-season ETAW and whole-year\n"
    "AETAW of the last run (the 9999 row of its .EAW file), the volume ETAW x area, and the mean\n"
    "number of irrigations a year; then the study area's total, and how the annual ETAW and the\n"
    "total volume spread over the years (minimum, 10th, 50th and 90th percentile, maximum), so\n"
    "a budget can be set for a dry year. 1 mm over 1 ha is 10 m3; 1 acre-foot is 1233.48 m3;\n"
    "--units mm shows the volumes as depths over the planted area. The same figures are\n"
    "written to WaterBudgetforSA<5 digits>.csv in the data folder.";

}  // namespace

int ReportStudyArea(const fs::path& dir, const std::string& sa5, VolumeUnit unit) {
  WrittenBudget written;
  try {
    written = MakeStudyAreaBudget(dir, sa5, unit);
  } catch (const InputError& error) {
    // Results that are missing, cut short or no longer those of the crop file: nothing is
    // written, as when a run is refused.
    throw Refusal(error.what());
  }
  std::cout << WaterBudgetText(written.budget) << "\nWritten to "
            << fs::absolute(written.file).lexically_normal().string() << "\n";
  return kExitDone;
}

void AddReportCommand(CLI::App& app) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* report = app.add_subcommand(
      "report", "Water budget of a study area: ETAW, volumes and their spread over the years");
  report
      ->add_option("--sa", options->sa,
                   "Study-area number (" + std::string(kSaNumberShortSpan) + ")")
      ->required()
      ->check(CLI::Range(kMinSaNumber, kMaxSaNumber));
  report->add_option("--units", options->units, "Volumes in mm, m3 or acre-ft (default m3)")
      ->check(CLI::IsMember({"mm", "m3", "acre-ft"}));
  report->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  report->footer(kReportHelp);
  report->callback([options] {
    RunCommand([&] {
      if (!DataFolderExists(options->dir)) return kExitRefused;
      const FolderGuard guard(options->dir, "report --sa " + std::to_string(options->sa));
      return ReportStudyArea(options->dir, SA5Of(options->sa), *ParseVolumeUnit(options->units));
    });
  });
}

}  // namespace kelvaro::cli
