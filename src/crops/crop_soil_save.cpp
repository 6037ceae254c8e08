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
auto Labelled(CropField field, std::string_view label, Convert convert) {
  try {
    return convert();
  } catch (const ConversionError& error) {
    throw CropEntryError({field, std::string(label) + ": " + error.what()});
  }
}

float FloatEntry(CropField field, const std::string& text) {
  return Labelled(field, CropFieldLabel(field), [&] { return ParseFloat(text); });
}

int IntEntry(CropField field, const std::string& text) {
  return Labelled(field, CropFieldLabel(field), [&] { return ParseInt(text); });
}

}  // namespace

SaveOutcome TCropSoilEntry::SaveCropRow(Navigator& navigator) {
  warning_.Clear();
  problems_.clear();
  int sa_number = 0;
  CropRow row;
  try {
    if (!CheckComplete(sa_number) || !EditedStudyAreaKept(sa_number)) {
      warning_.Show();
      return {};
    }
    entry_problems_.clear();
    row = BuildRow(sa_number);
  } catch (const CropEntryError& error) {
    problems_.push_back(error.problem());
    throw;
  }
  // The rules every crop row meets, so that no row is written that a run would refuse. A value
  // refused as typed is not named twice, nor a value that follows from it.
  for (const CropRowProblem& problem : entry_problems_) Warn(problem.field, problem.message);
  for (CropRowProblem& problem : CropRowProblems(row, CropRowSource::kEntry)) {
    if (!Refused(problem.field)) Warn(problem.field, problem.message);
  }
  if (!warning_.Warning.empty()) {
    warning_.Show();
    return {};
  }
  if (editing_) return Rewrite(row);
  const auto directory = navigator.AskDirectory(std::string(kDirectoryTitle));
  if (!directory) return {SaveResult::kCancelled, {}, {}};
  const auto file = AppendCropRow(*directory, sa_number, row);
  return {SaveResult::kWritten, file, row};
}

// A study area from 1 to 99999 is saved; the message names the range the form has always
// named, and is given too for a number below 1, which would otherwise be refused without a word.
bool TCropSoilEntry::CheckComplete(int& sa_number) {
  if (!SA.Empty()) sa_number = IntEntry(CropField::kSaNumber, SA.text);
  const bool sa_in_range = sa_number >= kMinSaNumber && sa_number <= kMaxSaNumber;
  if (!SA.Empty() && sa_in_range && !CropNo.Empty() && !HectaresPlanted.Empty()) return true;
  if (SA.Empty()) {
    Warn(CropField::kSaNumber, kEnterSaNumber);
  } else if (sa_number > kMaxFormSaNumber || sa_number < kMinSaNumber) {
    Warn(CropField::kSaNumber, kCropFormSaRange);
  }
  if (CropNo.Empty()) Warn(CropField::kCropName, kSelectCrop);
  if (HectaresPlanted.Empty()) Warn(CropField::kArea, kEnterHectares);
  return false;
}

void TCropSoilEntry::Warn(CropField field, std::string_view message) {
  warning_.Add(std::string(message));
  problems_.push_back({field, std::string(message)});
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
  row.planting_doy = code.planting_doy =
      EntryDoy(CropField::kPlantingDate, PlantingDate, DefPlantingDate);
  row.ending_doy = code.ending_doy = EntryDoy(CropField::kEndingDate, EndingDate, DefEndingDate);

  row.area_ha = IntEntry(CropField::kArea, HectaresPlanted.text);
  row.max_soil_depth_mm = FloatEntry(CropField::kMaxSoilDepth, TextOr(MaxSoilDepth, DefMaxSoil));
  row.max_root_depth_mm =
      FloatEntry(CropField::kRootingDepth, TextOr(RootingDepth, DefRootingDepth));
  row.allowable_depletion_pct =
      FloatEntry(CropField::kAllowableDepletion, TextOr(AllowableDepletion, DefAllowableDepletion));
  row.wetting_frequency_days = code.wetting_frequency_days =
      IntEntry(CropField::kWettingFrequency, TextOr(WettingFrequency, DefWettingFrequency));
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

  const float crop_no =
      Labelled(CropField::kCropName, "Crop number", [&] { return ParseFloat(CropNo.text); });
  FillClassValues(CropClass(crop_no), row, code);
  row.stage_pct = {WholePercent(CropField::kStageB, AToB.text),
                   WholePercent(CropField::kStageC, AToC.text),
                   WholePercent(CropField::kStageD, AToD.text)};
  row.kc = {FloatEntry(CropField::kKc1, KcAB.text), FloatEntry(CropField::kKc2, KcCD.text),
            FloatEntry(CropField::kKc3, KcE.text)};
  FillCoverCrops(row);
  FillStress(row, code);
  row.code = CropCode(code);
  return row;
}

// A typed date counts within its own year; an empty entry takes the crop's default date, which
// lies in the current year.
int TCropSoilEntry::EntryDoy(CropField field, const FormField& entry,
                             const FormField& default_date) const {
  return DateDoy(field, CropFieldLabel(field), TextOr(entry, default_date));
}

// An unreadable date is explained in the formats the front end reads.
int TCropSoilEntry::DateDoy(CropField field, std::string_view label,
                            const std::string& text) const {
  return Labelled(field, label, [&] {
    try {
      return DayOfYearOf(ParseShortDate(text, current_year_));
    } catch (const ConversionError&) {
      throw ConversionError(Quoted(text) + " is not a valid date (" + date_formats_ + ")");
    }
  });
}

// Percentages are whole numbers; fractions are cut off, after the value as typed is checked (a
// typed -0.5 is refused, not cut to 0).
int TCropSoilEntry::WholePercent(CropField field, const std::string& text) {
  const float percent = FloatEntry(field, text);
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
  const CropField first_field =
      crop_class == 3 ? CropField::kGroundCoverC : CropField::kGroundCoverB;
  if (!first_cover.Empty() &&
      Labelled(first_field, "Ground cover", [&] { return ParseFloat(first_cover.text); }) < 0.7f) {
    code.maturity = 'I';
  }
  const bool any_cover_crop = !CoverCrop1Begin.Empty() || !CoverCrop1End.Empty() ||
                              !CoverCrop2Begin.Empty() || !CoverCrop2End.Empty();
  code.cover_crop = any_cover_crop ? 'Y' : 'N';
}

// A cover-crop period counts only when both of its dates are given.
void TCropSoilEntry::FillCoverCrops(CropRow& row) const {
  const auto period = [this](const FormField& begin, const FormField& end, CropField field,
                             int* doys) {
    const std::string label(CropFieldLabel(field));
    // A lone date is not used, but text that is no date is refused all the same.
    const int begin_doy = begin.Empty() ? 0 : DateDoy(field, label + " begin", begin.text);
    const int end_doy = end.Empty() ? 0 : DateDoy(field, label + " end", end.text);
    if (begin.Empty() || end.Empty()) return;
    doys[0] = begin_doy;
    doys[1] = end_doy;
  };
  row.cover_crop_doy = {0, 0, 0, 0};
  period(CoverCrop1Begin, CoverCrop1End, CropField::kCoverCrop1, &row.cover_crop_doy[0]);
  period(CoverCrop2Begin, CoverCrop2End, CropField::kCoverCrop2, &row.cover_crop_doy[2]);
}

int TCropSoilEntry::StressDoy(CropField field, const FormField& entry) const {
  return DateDoy(field, CropFieldLabel(field), entry.text);
}

// A stress factor needs both of its dates; without a factor there is no stress period.
void TCropSoilEntry::FillStress(CropRow& row, CropCodeParts& code) {
  if (StressFactor.Empty()) {
    row.ks = FloatEntry(CropField::kStressFactor, DefStressFactor.text);
    code.stress_factor = DefStressFactor.text + ".00";
    // Dates without a factor are not used, but text that is no date is refused all the same.
    if (!StressStartingDate.Empty()) StressDoy(CropField::kStressStart, StressStartingDate);
    if (!StressEndingDate.Empty()) StressDoy(CropField::kStressEnd, StressEndingDate);
    return;
  }
  row.ks = FloatEntry(CropField::kStressFactor, StressFactor.text);
  code.stress_factor = std::string(Trim(StressFactor.text));
  if (StressStartingDate.Empty()) Warn(CropField::kStressStart, kEnterStressStart);
  if (StressEndingDate.Empty()) Warn(CropField::kStressEnd, kEnterStressEnd);
  if (StressStartingDate.Empty() || StressEndingDate.Empty()) return;
  row.stress_begin_doy = code.stress_begin_doy =
      StressDoy(CropField::kStressStart, StressStartingDate);
  row.stress_end_doy = code.stress_end_doy = StressDoy(CropField::kStressEnd, StressEndingDate);
}

}  // namespace kelvaro
