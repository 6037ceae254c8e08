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
#include "viewers/finder_lookup.h"
#include "viewers/normal_year_call.h"
#include "viewers/statistics_call.h"
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

// Where a found or written file goes: the spreadsheet, or its path printed.
struct HandOver {
  Session& session;
  HandOverSpreadsheet& spreadsheet;
  ConsoleReporter& reporter;
  bool print_path;

  int Show(const FileOutcome& outcome) const {
    return ShowOutcome(outcome, spreadsheet, reporter, print_path);
  }
};

// A study area's result file, or a working file by its name, as the finders look it up.
int ViaFinder(const OpenOptions& o, const HandOver& to) {
  if (NeedsCrop(o.kind) && !ListedCrops(o.dir, o.sa, o.crop)) return kExitRefused;
  return to.Show(FindFinderFile({o.kind, o.kind == "wrk" ? o.station : o.sa, o.crop}, o.dir));
}

// Any SA number the crop files can have, not only the crop/soil view's 1 to 999.
int ViaCropFile(const OpenOptions& o, const HandOver& to) {
  const int sa_number = ParseInt(o.sa);
  if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
    std::cerr << kSaNumberRange << "\n";
    return kExitRefused;
  }
  return to.Show(FindResultFile(o.dir, SaCropFileName(PaddedSaText(o.sa))));
}

// "nor" as the normal-year dialog names it, "mse" as the output viewer does.
int ViaNormalYear(const OpenOptions& o, const HandOver& to) {
  if (!ListedCrops(o.dir, o.sa, o.crop)) return kExitRefused;
  const NormalYearNaming naming =
      o.kind == "mse" ? NormalYearNaming::kDailyFileName : NormalYearNaming::kCropStem;
  return to.Show(MakeNormalYear({o.sa, o.crop, naming}, to.session));
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
bool CropIsInList(const OpenOptions& o) {
  if (!NeedsCrop(o.kind)) return true;
  return !CropNumberProblem(ReadStudyAreaCrops(o.dir, o.sa), o.sa, o.crop);
}

// After the look-up's own message: which file was missing in which folder, and what makes it.
void PrintMissingFileHint(const OpenOptions& o) {
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
  } else if (CropIsInList(o) && !ResultFileExists(o.dir, name)) {
    std::cerr << "  no file " << name << " in " << folder
              << " (names match in any letter case): a run of the study area writes it\n";
  }
}

int LookUp(const OpenOptions& o, Session& session, ConsoleReporter& reporter) {
  HandOverSpreadsheet spreadsheet(session, !o.print_path);
  const HandOver to{session, spreadsheet, reporter, o.print_path};
  if (o.kind == "crops") return ViaCropFile(o, to);
  if (o.kind == "msw") return to.Show(MakeDailyMeans(o.station, session));
  if (o.kind == "mse" || o.kind == "nor") return ViaNormalYear(o, to);
  return ViaFinder(o, to);
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
  const int status = LookUp(o, session, reporter);
  if (status == kExitRefused) PrintMissingFileHint(o);
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
