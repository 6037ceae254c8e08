#include "crops/crop_row_checks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "weatherio/message_text.h"

namespace kelvaro {
namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct RangeRule {
  CropField field;
  std::string_view label;
  double lowest;
  double highest;
  bool above_lowest;  // the lowest value itself is refused
  std::string_view unit;
};

// Labels and ranges in one table; fields with no range of their own have none (NaN bounds).
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr RangeRule kRules[] = {
    {CropField::kSaNumber, "SA number", kNone, kNone, false, ""},
    {CropField::kCropCode, "Crop code", kNone, kNone, false, ""},
    {CropField::kCropName, "Crop name", kNone, kNone, false, ""},
    {CropField::kPlantingDate, "Planting date", 1, 366, false, "(day of the year)"},
    {CropField::kEndingDate, "Ending date", 1, 366, false, "(day of the year)"},
    {CropField::kArea, "Hectares planted", 0, kMaxAreaHa, true, "ha"},
    {CropField::kMaxSoilDepth, "Maximum soil depth", kMinDepthMm, kMaxDepthMm, false, "mm"},
    {CropField::kRootingDepth, "Rooting depth", kMinDepthMm, kMaxDepthMm, false, "mm"},
    {CropField::kAllowableDepletion, "Allowable depletion", 0, 100, true, "%"},
    {CropField::kSoilType, "Soil type", kNone, kNone, false, ""},
    {CropField::kAvailableWater, "Available water", 0, 1, true, "mm/mm"},
    {CropField::kPlantAvailableWater, "Plant-available water", 0, kMaxDepthMm, true, "mm"},
    {CropField::kYieldThreshold, "Yield-threshold depletion", 0, kNoLimit, true, "mm"},
    {CropField::kWettingFrequency, "Wetting frequency", 1, kNoLimit, false, "days"},
    {CropField::kGroundCoverB, "Ground cover on date B", 0, 100, false, "%"},
    {CropField::kGroundCoverC, "Ground cover on date C", 0, 100, false, "%"},
    {CropField::kGroundCoverD, "Ground cover on date D", 0, 100, false, "%"},
    {CropField::kGroundCoverE, "Ground cover on date E", 0, 100, false, "%"},
    {CropField::kCoverCrop1, "Cover crop 1", 0, 366, false, "(day of the year)"},
    {CropField::kCoverCrop2, "Cover crop 2", 0, 366, false, "(day of the year)"},
    {CropField::kStageB, "Percent of season to date B", 0, 100, false, "%"},
    {CropField::kStageC, "Percent of season to date C", 0, 100, false, "%"},
    {CropField::kStageD, "Percent of season to date D", 0, 100, false, "%"},
    {CropField::kKc1, "Kc1", 0, kMaxCropKc, false, ""},
    {CropField::kKc2, "Kc2", 0, kMaxCropKc, false, ""},
    {CropField::kKc3, "Kc3", 0, kMaxCropKc, false, ""},
    {CropField::kStressFactor, "Stress factor", 0, 1, false, ""},
    {CropField::kStressPeriod, "Stress period", 0, 366, false, "(day of the year)"},
    {CropField::kStressStart, "Stress starting date", kNone, kNone, false, ""},
    {CropField::kStressEnd, "Stress ending date", kNone, kNone, false, ""},
    {CropField::kPreIrrigated, "Pre-irrigated", kNone, kNone, false, ""},
};

const RangeRule& RuleOf(CropField field) {
  return *std::find_if(std::begin(kRules), std::end(kRules),
                       [field](const RangeRule& rule) { return rule.field == field; });
}

std::string NumberText(double value) {
  if (value == std::floor(value) && std::abs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string ValueText(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}
std::string ValueText(int value) { return std::to_string(value); }

std::string WithUnit(double value, std::string_view unit) {
  if (unit == "days" && value == 1) unit = "day";
  return NumberText(value) + (unit.empty() ? "" : " " + std::string(unit));
}

// "between 1 and 10000 mm", "above 0 and at most 100 %", "above 0 ha", "at least 1 day".
std::string RuleText(const RangeRule& rule, double lowest) {
  if (rule.highest == kNoLimit) {
    return (rule.above_lowest ? "above " : "at least ") + WithUnit(lowest, rule.unit);
  }
  if (rule.above_lowest) {
    return "above " + NumberText(lowest) + " and at most " + WithUnit(rule.highest, rule.unit);
  }
  return "between " + NumberText(lowest) + " and " + WithUnit(rule.highest, rule.unit);
}

CropRowProblem Problem(CropField field, const std::string& should, const std::string& value) {
  return {field, std::string(CropFieldLabel(field)) + " should be " + should + ", not " + value};
}

template <typename Number>
std::optional<CropRowProblem> RangeProblem(CropField field, Number value, double lowest) {
  const RangeRule& rule = RuleOf(field);
  const double v = static_cast<double>(value);
  const bool fits = (rule.above_lowest ? v > lowest : v >= lowest) && v <= rule.highest;
  if (fits) return std::nullopt;
  return Problem(field, RuleText(rule, lowest), ValueText(value));
}

template <typename Number>
std::optional<CropRowProblem> RangeProblem(CropField field, Number value) {
  return RangeProblem(field, value, RuleOf(field).lowest);
}

bool BreaksRow(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    return c == ',' || std::iscntrl(static_cast<unsigned char>(c)) != 0;
  });
}

std::optional<CropRowProblem> LetterProblem(CropField field, std::string_view text,
                                            std::string_view letters, const char* choices) {
  if (text.size() == 1 && letters.find(text[0]) != std::string_view::npos) return std::nullopt;
  return Problem(field, choices, Quoted(text));
}

std::optional<CropRowProblem> TextProblem(CropField field, std::string_view text) {
  if (!text.empty() && !BreaksRow(text)) return std::nullopt;
  return Problem(field, "a text without commas or control characters", Quoted(text));
}

std::optional<CropRowProblem> CodeProblem(const CropRow& row) {
  if (auto problem = TextProblem(CropField::kCropCode, row.code)) return problem;
  const int crop_class = row.CropClass();
  if (crop_class >= 1 && crop_class <= 4) return std::nullopt;
  return Problem(CropField::kCropCode, "a code with the crop class 1..4 as its ninth character",
                 Quoted(row.code));
}

// A period is absent (0, 0) or ends after it begins: the water balance applies it to the days
// strictly between its two days of one year, so one across the year end would never apply.
std::optional<CropRowProblem> PeriodProblem(CropField field, int begin, int end) {
  if (auto problem = RangeProblem(field, begin)) return problem;
  if (auto problem = RangeProblem(field, end)) return problem;
  if ((begin == 0 && end == 0) || begin < end) return std::nullopt;
  return CropRowProblem{
      field, std::string(CropFieldLabel(field)) + " should end after it begins, not run from day " +
                 std::to_string(begin) + " to day " + std::to_string(end) +
                 ": a period across the year end is not applied; give the part of each year "
                 "as its own period (to 12-31, and from 01-01)"};
}

void Add(std::vector<CropRowProblem>& problems, std::optional<CropRowProblem> problem) {
  if (problem) problems.push_back(*std::move(problem));
}

bool HasProblem(const std::vector<CropRowProblem>& problems, std::initializer_list<CropField> of) {
  return std::any_of(problems.begin(), problems.end(), [of](const CropRowProblem& problem) {
    return std::find(of.begin(), of.end(), problem.field) != of.end();
  });
}

void SoilProblems(const CropRow& row, CropRowSource source, std::vector<CropRowProblem>& problems) {
  Add(problems, RangeProblem(CropField::kArea, row.area_ha));
  Add(problems, RangeProblem(CropField::kMaxSoilDepth, row.max_soil_depth_mm));
  Add(problems, RangeProblem(CropField::kRootingDepth, row.max_root_depth_mm));
  Add(problems, RangeProblem(CropField::kAllowableDepletion, row.allowable_depletion_pct));
  Add(problems, RangeProblem(CropField::kAvailableWater, row.available_water));
  if (!HasProblem(problems, {CropField::kMaxSoilDepth, CropField::kRootingDepth,
                             CropField::kAllowableDepletion, CropField::kAvailableWater})) {
    Add(problems, RangeProblem(CropField::kPlantAvailableWater, row.plant_available_water_mm));
    // Both are printed with three decimals, so a threshold equal to the water passes, and a tiny
    // one is read back as 0 (the water balance then places no last irrigation).
    const float most = row.plant_available_water_mm + 0.0005f;
    if (!(row.yield_threshold_mm >= 0.0f && row.yield_threshold_mm <= most)) {
      problems.push_back(Problem(CropField::kYieldThreshold,
                                 "between 0 and the plant-available water " +
                                     ValueText(row.plant_available_water_mm) + " mm",
                                 ValueText(row.yield_threshold_mm)));
    }
  }
  const int crop_class = row.CropClass();
  const bool spaces_wettings = source == CropRowSource::kEntry && crop_class <= 2;
  Add(problems, RangeProblem(CropField::kWettingFrequency, row.wetting_frequency_days,
                             spaces_wettings ? 1.0 : 0.0));
}

void CurveProblems(const CropRow& row, std::vector<CropRowProblem>& problems) {
  constexpr CropField kCovers[] = {CropField::kGroundCoverB, CropField::kGroundCoverC,
                                   CropField::kGroundCoverD, CropField::kGroundCoverE};
  for (size_t i = 0; i < 4; ++i) Add(problems, RangeProblem(kCovers[i], row.ground_cover_pct[i]));
  Add(problems,
      PeriodProblem(CropField::kCoverCrop1, row.cover_crop_doy[0], row.cover_crop_doy[1]));
  Add(problems,
      PeriodProblem(CropField::kCoverCrop2, row.cover_crop_doy[2], row.cover_crop_doy[3]));
  constexpr CropField kStages[] = {CropField::kStageB, CropField::kStageC, CropField::kStageD};
  // Stages follow each other; one of no length has no days (its slope is never used), but a
  // later date before an earlier one would draw the curve through the wrong knots.
  for (size_t i = 0; i < 3; ++i) {
    const int earlier = i == 0 ? 0 : row.stage_pct[i - 1];
    Add(problems, RangeProblem(kStages[i], row.stage_pct[i], std::clamp(earlier, 0, 100)));
  }
  constexpr CropField kKcs[] = {CropField::kKc1, CropField::kKc2, CropField::kKc3};
  for (size_t i = 0; i < 3; ++i) Add(problems, RangeProblem(kKcs[i], row.kc[i]));
  Add(problems, RangeProblem(CropField::kStressFactor, row.ks));
  Add(problems, PeriodProblem(CropField::kStressPeriod, row.stress_begin_doy, row.stress_end_doy));
  Add(problems, LetterProblem(CropField::kPreIrrigated, row.pre_irrigated, "YN", "Y or N"));
}

}  // namespace

std::string_view CropFieldLabel(CropField field) { return RuleOf(field).label; }

std::vector<CropRowProblem> CropRowProblems(const CropRow& row, CropRowSource source) {
  std::vector<CropRowProblem> problems;
  Add(problems, CodeProblem(row));
  Add(problems, TextProblem(CropField::kCropName, row.name));
  Add(problems, RangeProblem(CropField::kPlantingDate, row.planting_doy));
  Add(problems, RangeProblem(CropField::kEndingDate, row.ending_doy));
  SoilProblems(row, source, problems);
  CurveProblems(row, problems);
  return problems;
}

void CheckCropRow(const CropRow& row, CropRowSource source) {
  auto problems = CropRowProblems(row, source);
  if (!problems.empty()) throw CropRowError(std::move(problems.front()));
}

std::optional<CropRowProblem> CropValueProblem(CropField field, float value) {
  return RangeProblem(field, value);
}

std::optional<CropRowProblem> SoilTypeProblem(std::string_view text) {
  if (text.empty()) return std::nullopt;
  return LetterProblem(CropField::kSoilType, text, "LMHlmh", "L, M or H");
}

std::optional<CropRowProblem> PreIrrigatedProblem(std::string_view text) {
  if (text.empty()) return std::nullopt;
  return LetterProblem(CropField::kPreIrrigated, text, "YNyn", "Y or N");
}

}  // namespace kelvaro
