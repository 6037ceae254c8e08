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

// Soil and pre-irrigation letters are written into the row as typed: a comma or a line break
// would split it.
std::string UpperCasedLetter(const std::string& text, std::string_view what) {
  std::string letter(Trim(text));
  const bool breaks_row = std::any_of(letter.begin(), letter.end(), [](char c) {
    return c == ',' || std::iscntrl(static_cast<unsigned char>(c)) != 0;
  });
  if (breaks_row) {
    throw InputError("The " + std::string(what) + " " + Quoted(text) +
                     " may not contain a comma or a control character");
  }
  return ToUpperAscii(letter);
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
  CropRow row = BuildRow(sa_number);
  // The checks the water balance makes, so that no row is written that a run would refuse.
  if (warning_.Warning.empty()) {
    try {
      CheckCropRow(row);
    } catch (const InputError& error) {
      warning_.Add(std::string("The crop row cannot be used: ") + error.what());
    }
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

bool TCropSoilEntry::CheckComplete(int& sa_number) {
  if (SA.Empty()) {
    warning_.Add(std::string(kEnterSaNumber));
  } else {
    sa_number = IntEntry("SA number", SA.text);
    if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
      warning_.Add(std::string(kSaNumberRange));
    }
  }
  if (CropNo.Empty()) warning_.Add(std::string(kSelectCrop));
  if (HectaresPlanted.Empty()) warning_.Add(std::string(kEnterHectares));
  return warning_.Warning.empty();
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
  if (row.area_ha < 0) warning_.Add("Hectares planted should not be negative");
  row.max_soil_depth_mm = Depth("Maximum soil depth", TextOr(MaxSoilDepth, DefMaxSoil));
  row.max_root_depth_mm = Depth("Rooting depth", TextOr(RootingDepth, DefRootingDepth));
  row.allowable_depletion_pct =
      InRange("Allowable depletion", TextOr(AllowableDepletion, DefAllowableDepletion), 100.0f);
  row.wetting_frequency_days = code.wetting_frequency_days =
      IntEntry("Wetting frequency", TextOr(WettingFrequency, DefWettingFrequency));
  if (row.wetting_frequency_days < 0) warning_.Add("Wetting frequency should not be negative");
  code.soil = UpperCasedLetter(SoilType.text, "soil type");
  if (code.soil.empty()) code.soil = kDefSoilType;
  code.pre_irrigated = UpperCasedLetter(TextOr(PreIrrigated, DefPreIrrigated), "pre-irrigation");
  row.pre_irrigated = code.pre_irrigated;

  row.available_water = SoilAvailableWater(code.soil);
  row.plant_available_water_mm =
      row.available_water * std::min(row.max_soil_depth_mm, row.max_root_depth_mm);
  row.yield_threshold_mm = row.allowable_depletion_pct * 0.01f * row.plant_available_water_mm;

  FillClassValues(CropClass(FloatEntry("Crop number", CropNo.text)), row, code);
  row.stage_pct = {WholePercent("Date B", AToB.text), WholePercent("Date C", AToC.text),
                   WholePercent("Date D", AToD.text)};
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

float TCropSoilEntry::InRange(std::string_view label, const std::string& text, float highest) {
  const float value = FloatEntry(label, text);
  if (value < 0.0f || value > highest) {
    warning_.Add(std::string(label) + " should be between 0 and " + NumberText(highest));
  }
  return value;
}

float TCropSoilEntry::Depth(std::string_view label, const std::string& text) {
  const float depth_mm = FloatEntry(label, text);
  if (depth_mm <= 0.0f) warning_.Add(std::string(label) + " should be above 0");
  return depth_mm;
}

// Percentages are whole numbers; fractions are cut off. A refused value is never written, so
// 0 stands in for it.
int TCropSoilEntry::WholePercent(std::string_view label, const std::string& text) {
  const float percent = InRange(label, text, 100.0f);
  return percent >= 0.0f && percent <= 100.0f ? static_cast<int>(percent) : 0;
}

int TCropSoilEntry::GroundCover(const FormField& entry, const FormField& default_value, char date) {
  return WholePercent(std::string("Ground cover on date ") + date, TextOr(entry, default_value));
}

void TCropSoilEntry::FillClassValues(int crop_class, CropRow& row, CropCodeParts& code) {
  // Classes 1 and 2 take no ground cover whatever the hidden entries hold.
  row.ground_cover_pct = {0, 0, 0, 0};
  code.maturity = 'M';
  code.cover_crop = 'N';
  if (crop_class < 3) return;
  if (crop_class == 4) {
    row.ground_cover_pct[0] = GroundCover(GroundCoverDateB, DefGroundCoverDateB, 'B');
  }
  row.ground_cover_pct[1] = GroundCover(GroundCoverDateC, DefGroundCoverDateC, 'C');
  row.ground_cover_pct[2] = GroundCover(GroundCoverDateD, DefGroundCoverDateD, 'D');
  if (crop_class == 4) {
    row.ground_cover_pct[3] = GroundCover(GroundCoverDateE, DefGroundCoverDateE, 'E');
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
  const auto period = [this](const FormField& begin, const FormField& end, int* doys) {
    if (begin.Empty() || end.Empty()) return;
    doys[0] = DateDoy("Cover crop begin", begin.text, current_year_);
    doys[1] = DateDoy("Cover crop end", end.text, current_year_);
  };
  row.cover_crop_doy = {0, 0, 0, 0};
  period(CoverCrop1Begin, CoverCrop1End, &row.cover_crop_doy[0]);
  period(CoverCrop2Begin, CoverCrop2End, &row.cover_crop_doy[2]);
}

// A stress factor needs both of its dates; without a factor there is no stress period.
void TCropSoilEntry::FillStress(CropRow& row, CropCodeParts& code) {
  if (StressFactor.Empty()) {
    row.ks = FloatEntry("Stress factor", DefStressFactor.text);
    code.stress_factor = DefStressFactor.text + ".00";
    return;
  }
  row.ks = InRange("Stress factor", StressFactor.text, 1.0f);
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
