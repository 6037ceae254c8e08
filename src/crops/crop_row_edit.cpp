// The crop/soil entry form on a row of a crop file: filled from the row, saved in its place.
#include <cmath>
#include <string>

#include "crops/crop_catalogue.h"
#include "crops/crop_file_rows.h"
#include "crops/crop_soil_entry.h"
#include "crops/form_text.h"
#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

// The catalogue's crop of that name and class, the one whose crop number the code carries when
// several share the name.
std::optional<int> CatalogueIndexOf(const CropRow& row) {
  const auto catalogue = CropCatalogue();
  std::optional<int> by_name;
  for (size_t i = 0; i < catalogue.size(); ++i) {
    const CropDefaults& crop = catalogue[i];
    if (crop.crop_name != row.name || CropClass(crop.crop_no) != row.CropClass()) continue;
    const std::string crop_no = NumberText(crop.crop_no);
    if (row.code.compare(8, crop_no.size(), crop_no) == 0) return static_cast<int>(i);
    if (!by_name) by_name = static_cast<int>(i);
  }
  return by_name;
}

// A day of the year as a date of `year`, or of the last leap year before it for day 366, so
// that it is read back as the same day; empty for no day.
std::string DateText(int doy, int year) {
  if (doy < 1 || doy > 366) return "";
  while (doy > DaysInYear(year)) --year;
  const auto days = DayNum(year);
  int month = 0;
  int day = doy;
  while (day > days[static_cast<size_t>(month)]) day -= days[static_cast<size_t>(month++)];
  return ShortDateText({year, month + 1, day});
}

// The letter whose available water the row holds (three decimals, as written); empty when none
// does, so that the default applies.
std::string SoilLetterOf(float available_water) {
  for (const char* letter : {"L", "M", "H"}) {
    if (std::abs(SoilAvailableWater(letter) - available_water) < 0.0005f) return letter;
  }
  return "";
}

}  // namespace

bool TCropSoilEntry::EditCropRow(CropRowEdit edit, const CropRow& row) {
  const auto index = CatalogueIndexOf(row);
  if (!index) return false;
  ResetCropForm();
  SelectCrop(*index);
  SA.text = std::to_string(edit.sa_number);
  HectaresPlanted.text = std::to_string(row.area_ha);
  FillDates(row);
  SoilType.text = SoilLetterOf(row.available_water);
  MaxSoilDepth.text = NumberText(row.max_soil_depth_mm);
  RootingDepth.text = NumberText(row.max_root_depth_mm);
  AllowableDepletion.text = NumberText(row.allowable_depletion_pct);
  WettingFrequency.text = std::to_string(row.wetting_frequency_days);
  PreIrrigated.text = row.pre_irrigated;
  // Stages and coefficients set by hand in the file are kept.
  AToB.text = std::to_string(row.stage_pct[0]);
  AToC.text = std::to_string(row.stage_pct[1]);
  AToD.text = std::to_string(row.stage_pct[2]);
  KcAB.text = NumberText(row.kc[0]);
  KcCD.text = NumberText(row.kc[1]);
  KcE.text = NumberText(row.kc[2]);
  FillClassEntries(row);
  editing_ = std::move(edit);
  return true;
}

void TCropSoilEntry::FillDates(const CropRow& row) {
  PlantingDate.text = DateText(row.planting_doy, current_year_);
  EndingDate.text = DateText(row.ending_doy, current_year_);
  CoverCrop1Begin.text = DateText(row.cover_crop_doy[0], current_year_);
  CoverCrop1End.text = DateText(row.cover_crop_doy[1], current_year_);
  CoverCrop2Begin.text = DateText(row.cover_crop_doy[2], current_year_);
  CoverCrop2End.text = DateText(row.cover_crop_doy[3], current_year_);
  StressStartingDate.text = DateText(row.stress_begin_doy, current_year_);
  StressEndingDate.text = DateText(row.stress_end_doy, current_year_);
}

// Only the inputs the crop's class shows are filled: hidden ones are not read.
void TCropSoilEntry::FillClassEntries(const CropRow& row) {
  FormField* covers[] = {&GroundCoverDateB, &GroundCoverDateC, &GroundCoverDateD,
                         &GroundCoverDateE};
  for (size_t i = 0; i < 4; ++i) {
    covers[i]->text = covers[i]->visible ? std::to_string(row.ground_cover_pct[i]) : "";
  }
  for (FormField* date : {&CoverCrop1Begin, &CoverCrop1End, &CoverCrop2Begin, &CoverCrop2End}) {
    if (!date->visible) date->text.clear();
  }
  const bool stressed = row.ks != 1.0f || row.stress_begin_doy != 0 || row.stress_end_doy != 0;
  StressFactor.text = StressFactor.visible && stressed ? NumberText(row.ks) : "";
  if (StressFactor.text.empty()) {
    StressStartingDate.text.clear();
    StressEndingDate.text.clear();
  }
}

// The row being edited stays in its study area's file.
bool TCropSoilEntry::EditedStudyAreaKept(int sa_number) {
  if (!editing_ || sa_number == editing_->sa_number) return true;
  Warn(CropField::kSaNumber, "SA number should stay " + std::to_string(editing_->sa_number) +
                                 " while crop " + std::to_string(editing_->number) + " of " +
                                 editing_->file.filename().string() + " is edited, not " +
                                 std::to_string(sa_number) + "; New Crop starts a new row");
  return false;
}

SaveOutcome TCropSoilEntry::Rewrite(const CropRow& row) {
  RewriteCropRow(editing_->file, editing_->number, editing_->text, row);
  std::string text = FormatCropRow(row);
  text.pop_back();
  editing_->text = std::move(text);
  return {SaveResult::kWritten, editing_->file, row};
}

}  // namespace kelvaro
