#include "cli/crop_add.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/study_area_number.h"
#include "crops/crop_catalogue.h"
#include "crops/crop_row_checks.h"
#include "crops/crop_soil_entry.h"
#include "forms/navigator.h"
#include "weatherio/errors.h"
#include "weatherio/message_text.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

struct CropAddOptions {
  std::string sa, crop, area, plant, end, soil, max_soil, root, depletion, wetting_frequency;
  std::string pre_irrigated, cover_b, cover_c, cover_d, cover_e, stress, stress_begin, stress_end;
  std::vector<std::string> cover1, cover2;
  std::string dir = ".";
  CLI::App* command = nullptr;
};

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

bool Given(const CropAddOptions& options, const std::string& name) {
  return options.command->count(name) > 0;
}

void ChooseCrop(const CropAddOptions& options, TCropSoilEntry& form) {
  if (!Given(options, "--crop")) return;  // the form warns that no crop was chosen
  const auto index = FindCropByListItem(options.crop);
  if (!index) {
    throw Refusal("--crop: unknown crop " + Quoted(options.crop) +
                  "; `kelvaro-cli crop list` shows the crop names");
  }
  form.CropNameComboChange(*index);
}

struct Entry {
  const char* option;
  FormField TCropSoilEntry::*field;
  const std::string CropAddOptions::*value;
};

constexpr Entry kEntries[] = {
    {"--sa", &TCropSoilEntry::SA, &CropAddOptions::sa},
    {"--area", &TCropSoilEntry::HectaresPlanted, &CropAddOptions::area},
    {"--plant", &TCropSoilEntry::PlantingDate, &CropAddOptions::plant},
    {"--end", &TCropSoilEntry::EndingDate, &CropAddOptions::end},
    {"--soil", &TCropSoilEntry::SoilType, &CropAddOptions::soil},
    {"--max-soil", &TCropSoilEntry::MaxSoilDepth, &CropAddOptions::max_soil},
    {"--root", &TCropSoilEntry::RootingDepth, &CropAddOptions::root},
    {"--depletion", &TCropSoilEntry::AllowableDepletion, &CropAddOptions::depletion},
    {"--wetting-frequency", &TCropSoilEntry::WettingFrequency, &CropAddOptions::wetting_frequency},
    {"--pre-irrigated", &TCropSoilEntry::PreIrrigated, &CropAddOptions::pre_irrigated},
    {"--cover-b", &TCropSoilEntry::GroundCoverDateB, &CropAddOptions::cover_b},
    {"--cover-c", &TCropSoilEntry::GroundCoverDateC, &CropAddOptions::cover_c},
    {"--cover-d", &TCropSoilEntry::GroundCoverDateD, &CropAddOptions::cover_d},
    {"--cover-e", &TCropSoilEntry::GroundCoverDateE, &CropAddOptions::cover_e},
    {"--stress", &TCropSoilEntry::StressFactor, &CropAddOptions::stress},
    {"--stress-begin", &TCropSoilEntry::StressStartingDate, &CropAddOptions::stress_begin},
    {"--stress-end", &TCropSoilEntry::StressEndingDate, &CropAddOptions::stress_end},
};

struct PeriodEntry {
  const char* option;
  FormField TCropSoilEntry::*begin;
  FormField TCropSoilEntry::*end;
  const std::vector<std::string> CropAddOptions::*value;
};

constexpr PeriodEntry kPeriods[] = {
    {"--cover1", &TCropSoilEntry::CoverCrop1Begin, &TCropSoilEntry::CoverCrop1End,
     &CropAddOptions::cover1},
    {"--cover2", &TCropSoilEntry::CoverCrop2Begin, &TCropSoilEntry::CoverCrop2End,
     &CropAddOptions::cover2},
};

// An input the form hides for the chosen crop's class cannot be typed there either. Without a
// crop the form itself says that one must be chosen.
void CheckShown(const TCropSoilEntry& form, const FormField& field, const char* option) {
  if (field.visible || form.selected_crop() < 0) return;
  throw Refusal(std::string(option) + " does not apply to " + form.CropName.text +
                " (crop number " + form.CropNo.text + ")");
}

void FillEntries(const CropAddOptions& options, TCropSoilEntry& form) {
  for (const Entry& entry : kEntries) {
    if (!Given(options, entry.option)) continue;
    CheckShown(form, form.*entry.field, entry.option);
    (form.*entry.field).text = options.*entry.value;
  }
  for (const PeriodEntry& period : kPeriods) {
    if (!Given(options, period.option)) continue;
    CheckShown(form, form.*period.begin, period.option);
    (form.*period.begin).text = (options.*period.value).at(0);
    (form.*period.end).text = (options.*period.value).at(1);
  }
}

// The form names 1..999 in its range message; the command line takes every study area the form
// saves, kMinSaNumber to kMaxSaNumber, and says so itself.
void CheckOptions(const CropAddOptions& options) {
  if (Given(options, "--sa")) cli::ParseStudyAreaNumber(options.sa);
  if ((Given(options, "--stress-begin") || Given(options, "--stress-end")) &&
      !Given(options, "--stress")) {
    throw Refusal("--stress-begin and --stress-end need --stress");
  }
  if (!std::filesystem::is_directory(options.dir)) {
    throw Refusal("--dir: the folder " + Quoted(options.dir) + " does not exist");
  }
}

// The option that fills the entry a refusal of the form names.
std::string_view OptionOf(CropField field) {
  switch (field) {
    case CropField::kSaNumber:
      return "--sa";
    case CropField::kCropCode:
    case CropField::kCropName:
    case CropField::kStageB:
    case CropField::kStageC:
    case CropField::kStageD:
    case CropField::kKc1:
    case CropField::kKc2:
    case CropField::kKc3:
      return "--crop";
    case CropField::kPlantingDate:
      return "--plant";
    case CropField::kEndingDate:
      return "--end";
    case CropField::kArea:
      return "--area";
    case CropField::kMaxSoilDepth:
      return "--max-soil";
    case CropField::kRootingDepth:
      return "--root";
    case CropField::kAllowableDepletion:
      return "--depletion";
    case CropField::kSoilType:
    case CropField::kAvailableWater:
      return "--soil";
    case CropField::kPlantAvailableWater:
      return "--soil, --max-soil and --root";
    case CropField::kYieldThreshold:
      return "--depletion";
    case CropField::kWettingFrequency:
      return "--wetting-frequency";
    case CropField::kGroundCoverB:
      return "--cover-b";
    case CropField::kGroundCoverC:
      return "--cover-c";
    case CropField::kGroundCoverD:
      return "--cover-d";
    case CropField::kGroundCoverE:
      return "--cover-e";
    case CropField::kCoverCrop1:
      return "--cover1";
    case CropField::kCoverCrop2:
      return "--cover2";
    case CropField::kStressFactor:
      return "--stress";
    case CropField::kStressPeriod:
      return "--stress-begin and --stress-end";
    case CropField::kStressStart:
      return "--stress-begin";
    case CropField::kStressEnd:
      return "--stress-end";
    case CropField::kPreIrrigated:
      return "--pre-irrigated";
  }
  return "";
}

void PrintWarnings(const TCropSoilEntry& form) {
  for (const CropRowProblem& problem : form.problems()) {
    // --sa was checked against the SA range already.
    if (problem.message == kCropFormSaRange) continue;
    std::cerr << problem.message << "\n  (" << OptionOf(problem.field) << ")\n";
  }
}

// The form converts every entry before it writes: an entry that does not convert is refused
// with nothing written.
SaveOutcome Save(TCropSoilEntry& form, Navigator& navigator) {
  try {
    return form.ButtonSaveClick(navigator);
  } catch (const CropEntryError& error) {
    throw Refusal(std::string(OptionOf(error.problem().field)) + ": " + error.what());
  }
}

int RunCropAdd(const CropAddOptions& options) {
  CheckOptions(options);
  const cli::FolderGuard guard(options.dir, "crop add --sa " + options.sa);
  TCropSoilEntry form(CurrentYear());
  form.FormActivate();
  ChooseCrop(options, form);
  FillEntries(options, form);
  FixedDirectoryNavigator navigator(options.dir);
  const SaveOutcome outcome = Save(form, navigator);
  if (outcome.result != SaveResult::kWritten) {
    PrintWarnings(form);
    return kExitRefused;
  }
  std::cout << "Added " << outcome.row.name << " to " << outcome.file.string() << "\n";
  return kExitDone;
}

constexpr const char* kCropAddFooter =
    "Dates (--plant, --end, --cover1, --cover2, --stress-begin, --stress-end) are YYYY-MM-DD, or "
    "MM-DD for a day of the current year; each is kept as its day of the year. A season whose "
    "end comes before its planting runs into the next year.\n"
    "Which options apply depends on the crop's class (`crop list` shows it): class 1 (annual "
    "field and vegetable crops) and class 2 (one coefficient all year) take only the common "
    "options; class 3 (deciduous orchards and vines) also --cover-c, --cover-d, --cover1, "
    "--cover2, --stress, --stress-begin and --stress-end; class 4 (evergreen trees) also "
    "--cover-b, --cover-c, --cover-d, --cover-e, --cover1 and --cover2.\n"
    "The row is appended to SA + the five-digit number + .csv in --dir; the file and its three "
    "header lines are made when it is new.";

// What each option's value is, as its help shows it.
void NameTheValues(CLI::App& add) {
  const std::pair<const char*, const char*> kinds[] = {{"--sa", "N"},
                                                       {"--crop", "NAME"},
                                                       {"--area", "HECTARES"},
                                                       {"--plant", "DATE"},
                                                       {"--end", "DATE"},
                                                       {"--soil", "L|M|H"},
                                                       {"--max-soil", "MM"},
                                                       {"--root", "MM"},
                                                       {"--depletion", "PERCENT"},
                                                       {"--wetting-frequency", "DAYS"},
                                                       {"--pre-irrigated", "Y|N"},
                                                       {"--cover-b", "PERCENT"},
                                                       {"--cover-c", "PERCENT"},
                                                       {"--cover-d", "PERCENT"},
                                                       {"--cover-e", "PERCENT"},
                                                       {"--cover1", "DATE"},
                                                       {"--cover2", "DATE"},
                                                       {"--stress", "KS"},
                                                       {"--stress-begin", "DATE"},
                                                       {"--stress-end", "DATE"},
                                                       {"--dir", "FOLDER"}};
  for (const auto& [name, kind] : kinds) add.get_option(name)->type_name(kind);
}

void AddCropAddOptions(CLI::App& add, CropAddOptions& options) {
  add.add_option("--sa", options.sa,
                 "Study-area number, " + std::string(kSaNumberSpan) + " (required)");
  add.add_option("--crop", options.crop,
                 "Crop name as `crop list` shows it, any letter case "
                 "(required)");
  add.add_option("--area", options.area, "Hectares planted, a whole number (required)");
  add.add_option("--plant", options.plant, "Planting or leaf-out date (default: the crop's)");
  add.add_option("--end", options.end, "End of the season (default: the crop's)");
  add.add_option("--soil", options.soil, "Soil type: L light, M medium, H heavy (default M)");
  add.add_option("--max-soil", options.max_soil, "Maximum soil depth, mm (default 1524)");
  add.add_option("--root", options.root, "Maximum rooting depth, mm (default: the crop's)");
  add.add_option("--depletion", options.depletion,
                 "Allowable depletion, percent of the plant-available water (default 50)");
  add.add_option("--wetting-frequency", options.wetting_frequency,
                 "Days between soil wettings during initial growth (default 30)");
  add.add_option("--pre-irrigated", options.pre_irrigated, "Y or N (default N)");
  add.add_option("--cover-b", options.cover_b,
                 "Ground cover on date B, percent (class 4; "
                 "default 70)");
  add.add_option("--cover-c", options.cover_c,
                 "Ground cover on date C, percent (classes 3 and 4; default 70)");
  add.add_option("--cover-d", options.cover_d,
                 "Ground cover on date D, percent (classes 3 and 4; default 70)");
  add.add_option("--cover-e", options.cover_e,
                 "Ground cover on date E, percent (class 4; "
                 "default 70)");
  add.add_option("--cover1", options.cover1,
                 "First cover-crop period: BEGIN END dates (classes 3 and 4; default none)")
      ->expected(2);
  add.add_option("--cover2", options.cover2,
                 "Second cover-crop period: BEGIN END dates (classes 3 and 4; default none)")
      ->expected(2);
  add.add_option("--stress", options.stress,
                 "Water stress factor Ks, 1 none to 0 full (class 3; default 1); needs "
                 "--stress-begin and --stress-end");
  add.add_option("--stress-begin", options.stress_begin, "First day of water stress (class 3)");
  add.add_option("--stress-end", options.stress_end, "Last day of water stress (class 3)");
  add.add_option("--dir", options.dir, "Folder of the crop file (default: the current folder)");
  NameTheValues(add);
}

}  // namespace

void AddCropAddCommand(CLI::App& crop) {
  auto options = std::make_shared<CropAddOptions>();
  CLI::App* add = crop.add_subcommand("add", "Append one crop to a study area's crop file");
  options->command = add;
  AddCropAddOptions(*add, *options);
  add->footer(kCropAddFooter);
  add->callback([options] { RunCommand([&] { return RunCropAdd(*options); }); });
}

}  // namespace kelvaro
