#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crops/crop_code.h"
#include "crops/crop_row.h"
#include "crops/crop_row_checks.h"
#include "crops/form_text.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "weatherio/errors.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// The warning dialog of the crop/soil entry form: the lines of the last refused save.
struct TCropSoilWarning {
  static constexpr std::string_view kCaption = "Crop/SoilWarning";

  std::vector<std::string> Warning;
  bool visible = false;

  void Clear() { Warning.clear(); }
  void Add(std::string line) { Warning.push_back(std::move(line)); }
  void Show() { visible = true; }
  void ButtonOKClick() { visible = false; }
};

// Texts of the entry form's refusals.
inline constexpr std::string_view kEnterSaNumber = "Enter the SA number";
// The crop form saves study areas up to 99999 but names 1..999 in its range message.
inline constexpr std::string_view kCropFormSaRange = "SA number should be between 1 and 999";
inline constexpr int kMaxFormSaNumber = 999;
inline constexpr std::string_view kSelectCrop = "You must select a crop";
inline constexpr std::string_view kEnterHectares = "Enter Hectares Planted";
inline constexpr std::string_view kEnterStressStart = "Enter Starting Date of Stress Factor";
inline constexpr std::string_view kEnterStressEnd = "Enter Ending Date of Stress Factor";
inline constexpr std::string_view kDirectoryTitle = "Please specify the directory";

// An entry that is not a number or a date: the field it names and the message.
class CropEntryError : public ConversionError {
 public:
  explicit CropEntryError(CropRowProblem problem)
      : ConversionError(problem.message), problem_(std::move(problem)) {}
  const CropRowProblem& problem() const { return problem_; }

 private:
  CropRowProblem problem_;
};

// A crop row of a crop file being edited in the form: Save rewrites that row in place.
struct CropRowEdit {
  std::filesystem::path file;
  int sa_number = 0;
  int number = 0;    // the crop's number k in the file
  std::string text;  // its line as it was listed (RewriteCropRow refuses a file changed since)
};

enum class SaveResult {
  kWritten,    // the row was appended
  kRefused,    // the warning dialog lists why; nothing written
  kCancelled,  // no directory was chosen; nothing written
};

struct SaveOutcome {
  SaveResult result = SaveResult::kRefused;
  std::filesystem::path file;  // the crop file written
  CropRow row;                 // the row written
};

// The crop/soil entry form as a presentation model: one crop at a time is chosen from the
// catalogue, completed with the study area's soil and management entries, and appended as a row
// to the study area's crop file. Empty entries take the default shown beside them.
class TCropSoilEntry {
 public:
  static constexpr std::string_view kCaption = "Crop/Soil Data Entry";

  // `current_year` is the year of today's date: the year of the default dates and of dates typed
  // without a year.
  explicit TCropSoilEntry(int current_year);

  void FormActivate() { ResetCropForm(); }
  void CropNameComboChange(int list_index) { SelectCrop(list_index); }
  SaveOutcome ButtonSaveClick(Navigator& navigator) { return SaveCropRow(navigator); }

  // Clears the entries, the crop choice and the last save's refusals and fills the
  // crop-independent defaults; a row being edited is let go.
  void ResetCropForm();
  // Fills the crop-specific fields from catalogue entry `list_index` (0..64) and shows the
  // optional inputs of its class; the blank item and any other index change nothing.
  void SelectCrop(int list_index);
  // Checks the entries and appends the row, or rewrites the row being edited (without asking
  // for the folder). A value outside the rules of a crop row (CropRowProblems) adds its warning
  // line, as does a soil or pre-irrigation letter other than L/M/H and Y/N. Throws
  // CropEntryError when an entry is not a number or a date; nothing is written then.
  SaveOutcome SaveCropRow(Navigator& navigator);
  // Fills the form from a row of a crop file (its dates in the current year, its stages and
  // coefficients kept as the row has them) and makes Save rewrite that row. False, with nothing
  // changed, when the row's crop is not in the catalogue.
  bool EditCropRow(CropRowEdit edit, const CropRow& row);
  const std::optional<CropRowEdit>& editing() const { return editing_; }

  // Every refusal of the last save with the field it names: the warning lines and a conversion
  // failure, in that order.
  const std::vector<CropRowProblem>& problems() const { return problems_; }
  // How a date refused as unreadable is explained ("YYYY-MM-DD, or MM-DD in the current year"):
  // the front end names the formats it reads.
  void SetDateFormats(std::string formats) { date_formats_ = std::move(formats); }

  int selected_crop() const { return selected_crop_; }  // list index, -1 for none
  int current_year() const { return current_year_; }
  TCropSoilWarning& warning() { return warning_; }
  const TCropSoilWarning& warning() const { return warning_; }

  FormField SA;
  FormField CropNo;
  FormField CropName{"", false};
  FormField AToB{"", false};
  FormField AToC{"", false};
  FormField AToD{"", false};
  FormField KcAB{"", false};
  FormField KcCD{"", false};
  FormField KcE{"", false};
  FormField PlantMonth{"", false};
  FormField PlantDay{"", false};
  FormField EndingMonth{"", false};
  FormField EndingDay{"", false};
  FormField YearDate{"2001", false};
  FormField PlantingDate;
  FormField DefPlantingDate;
  FormField EndingDate;
  FormField DefEndingDate;
  FormField HectaresPlanted;
  FormField SoilType;
  FormField DefSoilType;
  FormField MaxSoilDepth;
  FormField DefMaxSoil;
  FormField RootingDepth;
  FormField DefRootingDepth;
  FormField AllowableDepletion;
  FormField DefAllowableDepletion;
  FormField WettingFrequency;
  FormField DefWettingFrequency;
  FormField PreIrrigated;
  FormField DefPreIrrigated;
  // Ground cover (percent) on dates B to E: classes 3 (C and D) and 4 (all four).
  FormField GroundCoverDateB;
  FormField GroundCoverDateC;
  FormField GroundCoverDateD;
  FormField GroundCoverDateE;
  FormField DefGroundCoverDateB;
  FormField DefGroundCoverDateC;
  FormField DefGroundCoverDateD;
  FormField DefGroundCoverDateE;
  // Two cover-crop periods (classes 3 and 4).
  FormField CoverCrop1Begin;
  FormField CoverCrop1End;
  FormField CoverCrop2Begin;
  FormField CoverCrop2End;
  // Water stress (class 3).
  FormField StressFactor;
  FormField DefStressFactor;
  FormField StressStartingDate;
  FormField StressEndingDate;

 private:
  void ShowClassInputs(int crop_class);
  bool CheckComplete(int& sa_number);
  CropRow BuildRow(int sa_number);
  int EntryDoy(CropField field, const FormField& entry, const FormField& default_date) const;
  int DateDoy(CropField field, std::string_view label, const std::string& text) const;
  int StressDoy(CropField field, const FormField& entry) const;
  void Warn(CropField field, std::string_view message);
  bool EditedStudyAreaKept(int sa_number);
  SaveOutcome Rewrite(const CropRow& row);
  void FillDates(const CropRow& row);
  void FillClassEntries(const CropRow& row);
  int GroundCover(const FormField& entry, const FormField& default_value, CropField field);
  int WholePercent(CropField field, const std::string& text);
  // Values refused as typed, before the row is checked.
  void Refuse(std::optional<CropRowProblem> problem);
  bool Refused(CropField field) const;
  void FillClassValues(int crop_class, CropRow& row, CropCodeParts& code);
  void FillCoverCrops(CropRow& row) const;
  void FillStress(CropRow& row, CropCodeParts& code);

  int current_year_;
  int selected_crop_ = -1;
  TCropSoilWarning warning_;
  std::vector<CropRowProblem> entry_problems_;
  std::vector<CropRowProblem> problems_;
  std::string date_formats_{kShortDateFormats};
  std::optional<CropRowEdit> editing_;
};

}  // namespace kelvaro
