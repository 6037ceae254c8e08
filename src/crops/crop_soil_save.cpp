// The save step of the crop/soil entry form: checks, conversions and the appended row.
#include <algorithm>
#include <cctype>

#include "crops/crop_catalogue.h"
#include "crops/crop_file.h"
#include "crops/crop_row_checks.h"
#include "crops/crop_soil_entry.h"
#include "crops/form_text.h"
#include "weatherio/errors.h"
#include "weatherio/letter_case.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

const std::string& TextOr(const FormField& entry, const FormField& default_value) {
  return entry.Empty() ? default_value.text : entry.text;
}

// Conversion failures name the entry the text came from.
template <typename Convert>
auto Labelled(std::string_view label, Convert convert) {
  try {
    return convert();
  } catch (const ConversionError& error) {
    throw ConversionError(std::string(label) + ": " + error.what());
  }
}

float FloatEntry(std::string_view label, const std::string& text) {
  return Labelled(label, [&] { return ParseFloat(text); });
}

int IntEntry(std::string_view label, const std::string& text) {
  return Labelled(label, [&] { return ParseInt(text); });
}

int DateDoy(std::string_view label, const std::string& text, int current_year) {
  return Labelled(label, [&] { return DayOfYearOf(ParseShortDate(text, current_year)); });
}

}  // namespace

SaveOutcome TCropSoilEntry::SaveCropRow(Navigator& navigator) {
  warning_.Clear();
  int sa_number = 0;
  if (!CheckComplete(sa_number)) {
    warning_.Show();
    return {};
  }
  entry_problems_.clear();
  CropRow row = BuildRow(sa_number);
  // The rules every crop row meets, so that no row is written that a run would refuse. A value
  // refused as typed is not named twice, nor a value that follows from it.
  for (const CropRowProblem& problem : entry_problems_) warning_.Add(problem.message);
  for (CropRowProblem& problem : CropRowProblems(row, CropRowSource::kEntry)) {
    if (!Refused(problem.field)) warning_.Add(std::move(problem.message));
  }
  if (!warning_.Warning.empty()) {
    warning_.Show();
    return {};
  }
  const auto directory = navigator.AskDirectory(std::string(kDirectoryTitle));
  if (!directory) return {SaveResult::kCancelled, {}, {}};
  const auto file = AppendCropRow(*directory, sa_number, row);
  return {SaveResult::kWritten, file, row};
}

// A study area from 1 to 99999 is saved; the message names the range the form has always
// named, and is given too for a number below 1, which would otherwise be refused without a word.
bool TCropSoilEntry::CheckComplete(int& sa_number) {
  if (!SA.Empty()) sa_number = IntEntry("SA number", SA.text);
  const bool sa_in_range = sa_number >= kMinSaNumber && sa_number <= kMaxSaNumber;
  if (!SA.Empty() && sa_in_range && !CropNo.Empty() && !HectaresPlanted.Empty()) return true;
  if (SA.Empty()) {
    warning_.Add(std::string(kEnterSaNumber));
  } else if (sa_number > kMaxFormSaNumber || sa_number < kMinSaNumber) {
    warning_.Add(std::string(kCropFormSaRange));
  }
  if (CropNo.Empty()) warning_.Add(std::string(kSelectCrop));
  if (HectaresPlanted.Empty()) warning_.Add(std::string(kEnterHectares));
  return false;
}

void TCropSoilEntry::Refuse(std::optional<CropRowProblem> problem) {
  if (problem) entry_problems_.push_back(*std::move(problem));
}

bool TCropSoilEntry::Refused(CropField field) const {
  const auto refused = [this](CropField f) {
    return std::any_of(entry_problems_.begin(), entry_problems_.end(),
                       [f](const CropRowProblem& p) { return p.field == f; });
  };
  // The code carries both letters as typed, the available water follows the soil letter.
  const bool letter_refused = refused(CropField::kSoilType) || refused(CropField::kPreIrrigated);
  return refused(field) || (field == CropField::kCropCode && letter_refused) ||
         (field == CropField::kAvailableWater && refused(CropField::kSoilType));
}

// Steps in the order the checks and conversions have always run; refusals are added to the
// warning lines, conversion failures throw.
CropRow TCropSoilEntry::BuildRow(int sa_number) {
  CropRow row;
  CropCodeParts code;
  code.sa5 = SA5Of(sa_number);
  code.crop_no = std::string(Trim(CropNo.text));
  row.name = CropName.text;
  row.planting_doy = code.planting_doy = EntryDoy("Planting date", PlantingDate, DefPlantingDate);
  row.ending_doy = code.ending_doy = EntryDoy("Ending date", EndingDate, DefEndingDate);

  row.area_ha = IntEntry("Hectares planted", HectaresPlanted.text);
  row.max_soil_depth_mm = FloatEntry("Maximum soil depth", TextOr(MaxSoilDepth, DefMaxSoil));
  row.max_root_depth_mm = FloatEntry("Rooting depth", TextOr(RootingDepth, DefRootingDepth));
  row.allowable_depletion_pct =
      FloatEntry("Allowable depletion", TextOr(AllowableDepletion, DefAllowableDepletion));
  row.wetting_frequency_days = code.wetting_frequency_days =
      IntEntry("Wetting frequency", TextOr(WettingFrequency, DefWettingFrequency));
  // Letters are checked as typed: the row holds them upper-cased.
  const std::string soil(Trim(SoilType.text));
  Refuse(SoilTypeProblem(soil));
  code.soil = soil.empty() ? std::string(kDefSoilType) : ToUpperAscii(soil);
  const std::string pre_irrigated(Trim(TextOr(PreIrrigated, DefPreIrrigated)));
  Refuse(PreIrrigatedProblem(pre_irrigated));
  code.pre_irrigated = row.pre_irrigated = ToUpperAscii(pre_irrigated);

  row.available_water = SoilAvailableWater(code.soil);
  row.plant_available_water_mm =
      row.available_water * std::min(row.max_soil_depth_mm, row.max_root_depth_mm);
  row.yield_threshold_mm = row.allowable_depletion_pct * 0.01f * row.plant_available_water_mm;

  FillClassValues(CropClass(FloatEntry("Crop number", CropNo.text)), row, code);
  row.stage_pct = {WholePercent(CropField::kStageB, AToB.text),
                   WholePercent(CropField::kStageC, AToC.text),
                   WholePercent(CropField::kStageD, AToD.text)};
  row.kc = {FloatEntry("Kc1", KcAB.text), FloatEntry("Kc2", KcCD.text),
            FloatEntry("Kc3", KcE.text)};
  FillCoverCrops(row);
  FillStress(row, code);
  row.code = CropCode(code);
  return row;
}

// A typed date counts within its own year; an empty entry takes the crop's default date, which
// lies in the current year.
int TCropSoilEntry::EntryDoy(std::string_view label, const FormField& entry,
                             const FormField& default_date) const {
  return DateDoy(label, TextOr(entry, default_date), current_year_);
}

// Percentages are whole numbers; fractions are cut off, after the value as typed is checked (a
// typed -0.5 is refused, not cut to 0).
int TCropSoilEntry::WholePercent(CropField field, const std::string& text) {
  const float percent = FloatEntry(CropFieldLabel(field), text);
  Refuse(CropValueProblem(field, percent));
  return static_cast<int>(percent);
}

int TCropSoilEntry::GroundCover(const FormField& entry, const FormField& default_value,
                                CropField field) {
  return WholePercent(field, TextOr(entry, default_value));
}

void TCropSoilEntry::FillClassValues(int crop_class, CropRow& row, CropCodeParts& code) {
  // Classes 1 and 2 take no ground cover whatever the hidden entries hold.
  row.ground_cover_pct = {0, 0, 0, 0};
  code.maturity = 'M';
  code.cover_crop = 'N';
  if (crop_class < 3) return;
  if (crop_class == 4) {
    row.ground_cover_pct[0] =
        GroundCover(GroundCoverDateB, DefGroundCoverDateB, CropField::kGroundCoverB);
  }
  row.ground_cover_pct[1] =
      GroundCover(GroundCoverDateC, DefGroundCoverDateC, CropField::kGroundCoverC);
  row.ground_cover_pct[2] =
      GroundCover(GroundCoverDateD, DefGroundCoverDateD, CropField::kGroundCoverD);
  if (crop_class == 4) {
    row.ground_cover_pct[3] =
        GroundCover(GroundCoverDateE, DefGroundCoverDateE, CropField::kGroundCoverE);
  }

  // The code marks an orchard immature when the cover typed for its first cover date is below
  // 0.7 (compared as typed, although covers are percentages).
  const FormField& first_cover = crop_class == 3 ? GroundCoverDateC : GroundCoverDateB;
  if (!first_cover.Empty() && FloatEntry("Ground cover", first_cover.text) < 0.7f) {
    code.maturity = 'I';
  }
  const bool any_cover_crop = !CoverCrop1Begin.Empty() || !CoverCrop1End.Empty() ||
                              !CoverCrop2Begin.Empty() || !CoverCrop2End.Empty();
  code.cover_crop = any_cover_crop ? 'Y' : 'N';
}

// A cover-crop period counts only when both of its dates are given.
void TCropSoilEntry::FillCoverCrops(CropRow& row) const {
  const auto period = [this](const FormField& begin, const FormField& end, const char* label,
                             int* doys) {
    if (begin.Empty() || end.Empty()) return;
    doys[0] = DateDoy(std::string(label) + " begin", begin.text, current_year_);
    doys[1] = DateDoy(std::string(label) + " end", end.text, current_year_);
  };
  row.cover_crop_doy = {0, 0, 0, 0};
  period(CoverCrop1Begin, CoverCrop1End, "Cover crop 1", &row.cover_crop_doy[0]);
  period(CoverCrop2Begin, CoverCrop2End, "Cover crop 2", &row.cover_crop_doy[2]);
}

// A stress factor needs both of its dates; without a factor there is no stress period.
void TCropSoilEntry::FillStress(CropRow& row, CropCodeParts& code) {
  if (StressFactor.Empty()) {
    row.ks = FloatEntry("Stress factor", DefStressFactor.text);
    code.stress_factor = DefStressFactor.text + ".00";
    return;
  }
  row.ks = FloatEntry("Stress factor", StressFactor.text);
  code.stress_factor = std::string(Trim(StressFactor.text));
  if (StressStartingDate.Empty()) warning_.Add(std::string(kEnterStressStart));
  if (StressEndingDate.Empty()) warning_.Add(std::string(kEnterStressEnd));
  if (StressStartingDate.Empty() || StressEndingDate.Empty()) return;
  row.stress_begin_doy = code.stress_begin_doy =
      DateDoy("Stress starting date", StressStartingDate.text, current_year_);
  row.stress_end_doy = code.stress_end_doy =
      DateDoy("Stress ending date", StressEndingDate.text, current_year_);
}

}  // namespace kelvaro
