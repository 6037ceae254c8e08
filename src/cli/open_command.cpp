#include "cli/open_command.h"

#include <iostream>
#include <memory>

#include "analysis/study_area_results.h"
#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "session/run_parameters.h"
#include "viewers/crop_item_num.h"
#include "viewers/output_files.h"
#include "viewers/result_finders.h"
#include "viewers/study_area_files.h"
#include "weatherio/errors.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::cli {
namespace {

struct OpenOptions {
  std::string kind;
  std::string sa;
  int crop = -1;
  std::string station;
  std::filesystem::path dir = ".";
  bool print_path = false;
  bool verbose = false;
};

constexpr const char* kKindsHelp =
    "Kinds:\n"
    "  csv, mtv, eaw  a crop's daily balance, monthly means, annual sums (--sa, --crop)\n"
    "  saw, set       the study area's ETAW and ETc summaries (--sa)\n"
    "  crops          the study area's crop file (--sa)\n"
    "  wrk            a working daily weather file (--station)\n"
    "  msw            a working file's daily means, written first as STATION.avg (--station)\n"
    "  nor            a crop's normal year, written first as SA#####C###.nor (--sa, --crop)\n"
    "  mse            the same, written as the daily file's name + .nor (--sa, --crop)\n"
    "--crop is the crop's number as `crop show` lists it.";

const std::vector<std::string> kKinds{"csv",   "mtv", "eaw", "saw", "set",
                                      "crops", "wrk", "msw", "nor", "mse"};

bool NeedsCrop(const std::string& kind) {
  return kind == "csv" || kind == "mtv" || kind == "eaw" || kind == "nor" || kind == "mse";
}
bool NeedsStation(const std::string& kind) { return kind == "wrk" || kind == "msw"; }

// What the command line asks before any dialog runs; a message and false when refused.
bool OptionsFit(const OpenOptions& o) {
  if (NeedsStation(o.kind) && o.station.empty()) {
    std::cerr << "open " << o.kind << " needs --station\n";
    return false;
  }
  if (!NeedsStation(o.kind) && o.sa.empty()) {
    std::cerr << "open " << o.kind << " needs --sa\n";
    return false;
  }
  if (NeedsCrop(o.kind) && o.crop < 0) {
    std::cerr << "open " << o.kind << " needs --crop\n";
    return false;
  }
  return true;
}

struct Dialogs {
  Session& session;
  HandOverSpreadsheet& spreadsheet;
  ConsoleNavigator& navigator;
};

int ViaFinder(const OpenOptions& o, Dialogs d) {
  TShowSAFiles finder(d.session, d.spreadsheet, d.navigator);
  finder.Configure(o.kind, "", "");
  finder.FormActivate();
  finder.SA.text = o.kind == "wrk" ? o.station : o.sa;
  finder.SAChange();
  if (NeedsCrop(o.kind)) {
    if (!CropIsListed(finder.CropItemCombo, finder.Warning, o.sa, o.crop)) return kExitRefused;
    finder.CropItemCombo.Select(o.crop);
  }
  finder.ButtonOKClick();
  return HandOverStatus(d.spreadsheet, finder.Warning, 0, o.print_path);
}

int ViaSummary(const OpenOptions& o, Dialogs d) {
  TGetSumSA sums(d.session, d.spreadsheet, d.navigator);
  sums.Configure(o.kind, "");
  sums.FormActivate();
  sums.SA.text = o.sa;
  sums.ButtonOKClick();
  return HandOverStatus(d.spreadsheet, sums.Warning, 0, o.print_path);
}

// Any SA number the crop files can have, not only the crop/soil view's 1 to 999.
int ViaCropFile(const OpenOptions& o, Dialogs d) {
  const int sa_number = ParseInt(o.sa);
  if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
    std::cerr << kSaNumberRange << "\n";
    return kExitRefused;
  }
  WarningPanel warning;
  OpenFoundFile(d.session, d.spreadsheet, SaCropFileName(PaddedSaText(o.sa)), warning);
  return HandOverStatus(d.spreadsheet, warning, 0, o.print_path);
}

int ViaViewer(const OpenOptions& o, Dialogs d, const ConsoleReporter& reporter) {
  TOutputFiles viewer(d.session, d.spreadsheet, d.navigator);
  viewer.FormActivate();
  viewer.FileTypeComboChange(o.kind == "msw" ? 1 : 2);
  viewer.Station.text = o.kind == "msw" ? o.station : o.sa;
  viewer.StationChange();
  if (o.kind == "mse") {
    if (!CropIsListed(viewer.CropItemCombo, viewer.Warning, o.sa, o.crop)) return kExitRefused;
    viewer.CropItemCombo.Select(o.crop);
  }
  viewer.ButtonViewExcelClick();
  return HandOverStatus(d.spreadsheet, viewer.Warning, reporter.boxes(), o.print_path);
}

int ViaNormalYear(const OpenOptions& o, Dialogs d, const ConsoleReporter& reporter) {
  TGetCropItemNum dialog(d.session, d.spreadsheet, d.navigator);
  dialog.FormActivate();
  dialog.SA.text = o.sa;
  dialog.SAChange();
  if (!CropIsListed(dialog.CropItemCombo, dialog.Warning, o.sa, o.crop)) return kExitRefused;
  dialog.CropItemCombo.Select(o.crop);
  dialog.ButtonOKClick();
  return HandOverStatus(d.spreadsheet, dialog.Warning, reporter.boxes(), o.print_path);
}

// The file a kind opens, or for "wrk"/"msw" reads, named as the dialogs name it.
std::string FileLookedFor(const OpenOptions& o) {
  if (o.kind == "crops") return CropListSource(PaddedSaText(o.sa));
  if (o.kind == "msw") return o.station + ".wrk";
  if (o.kind == "mse" || o.kind == "nor") {
    return CropResultName(PaddedSaText(o.sa), CropNumberText(o.crop), "csv");
  }
  return FinderFileName(o.kind, o.kind == "wrk" ? o.station : o.sa, o.crop);
}

// A study area number as the crop files are named: one to five digits.
bool IsSaNumber(const std::string& text) {
  return !text.empty() && text.size() <= 5 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// For a per-crop kind, whether the crop is one of the study area's: a crop number beyond the
// list has had its own message.
bool CropIsInList(const OpenOptions& o, const Session& session) {
  if (!NeedsCrop(o.kind)) return true;
  ComboBox crops;
  WarningPanel warning;
  RebuildCropList(session, o.sa, crops, warning);
  return o.crop >= 1 && o.crop < static_cast<int>(crops.items.size());
}

// After a dialog's own message: which file was missing in which folder, and what makes it.
void PrintMissingFileHint(const OpenOptions& o, const Session& session) {
  std::error_code error;
  const std::string folder = std::filesystem::weakly_canonical(o.dir, error).string();
  const std::string name = FileLookedFor(o);
  if (NeedsStation(o.kind)) {
    if (ResultFileExists(o.dir, name)) return;
    std::cerr << "  no file " << name << " in " << folder << " (names match in any letter case)\n";
    return;
  }
  if (!IsSaNumber(o.sa)) return;
  const std::string crop_file = CropListSource(PaddedSaText(o.sa));
  if (!ResultFileExists(o.dir, crop_file)) {
    std::cerr << "  no crop file " << crop_file << " in " << folder
              << ": add crops with `kelvaro-cli crop add --sa " << o.sa
              << " ...`, then run the study area\n";
  } else if (CropIsInList(o, session) && !ResultFileExists(o.dir, name)) {
    std::cerr << "  no file " << name << " in " << folder
              << " (names match in any letter case): a run of the study area writes it\n";
  }
}

int RunDialogs(const OpenOptions& o, Session& session, const ConsoleReporter& reporter) {
  HandOverSpreadsheet spreadsheet(session, !o.print_path);
  ConsoleNavigator navigator;
  const Dialogs dialogs{session, spreadsheet, navigator};
  if (o.kind == "saw" || o.kind == "set") return ViaSummary(o, dialogs);
  if (o.kind == "crops") return ViaCropFile(o, dialogs);
  if (o.kind == "msw" || o.kind == "mse") return ViaViewer(o, dialogs, reporter);
  if (o.kind == "nor") return ViaNormalYear(o, dialogs, reporter);
  return ViaFinder(o, dialogs);
}

int RunOpen(const OpenOptions& o) {
  if (!DataFolderExists(o.dir) || !OptionsFit(o)) return kExitRefused;
  const FolderGuard guard(o.dir, "open");
  if (o.kind == "csv" || o.kind == "mtv" || o.kind == "eaw" || o.kind == "saw" || o.kind == "set") {
    // A study area's result opens only while it is the file its run record lists.
    RunParameters run;
    run.SA = o.sa;
    try {
      CheckAgainstRunRecord(o.dir, run.SA5());
    } catch (const InputError& error) {
      throw Refusal(error.what());
    }
  }
  ConsoleReporter reporter(o.verbose);
  Session session(o.dir, reporter);
  const int status = RunDialogs(o, session, reporter);
  if (status == kExitRefused) PrintMissingFileHint(o, session);
  return status;
}

}  // namespace

void AddOpenCommand(CLI::App& app) {
  auto options = std::make_shared<OpenOptions>();
  CLI::App* open = app.add_subcommand(
      "open", "Find a result or input file by SA number and crop, or by station, and open it");
  open->add_option("kind", options->kind, "File kind")->required()->check(CLI::IsMember(kKinds));
  open->add_option("--sa", options->sa, "Study area number, " + std::string(kSaNumberSpan));
  open->add_option("--crop", options->crop, "Crop number of the study area, from 1");
  open->add_option("--station", options->station, "Working file name without extension");
  open->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  open->add_flag("--print-path", options->print_path,
                 "Print the file's path instead of opening it");
  open->add_flag("--verbose", options->verbose, "Print the trace lines of the computation");
  open->footer(kKindsHelp);
  open->callback([options] { RunCommand([&] { return RunOpen(*options); }); });
}

}  // namespace kelvaro::cli
