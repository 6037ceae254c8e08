#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "crops/crop_row.h"
#include "weatherio/errors.h"

namespace kelvaro {

// Largest crop coefficient a row may hold; the catalogue's reach 1.4.
inline constexpr float kMaxCropKc = 3.0f;
// 10 000 km2, the size of the largest irrigation districts; a larger crop area is a typing error
// and would turn into a water budget of any size.
inline constexpr float kMaxAreaHa = 1000000.0f;
// Soil and rooting depths, mm.
inline constexpr float kMinDepthMm = 1.0f;
inline constexpr float kMaxDepthMm = 10000.0f;

// The entries of a crop row, as the entry form labels them; the study area and the two stress
// dates are entries of the form only (the row holds them in its code and its stress period).
enum class CropField {
  kSaNumber,
  kCropCode,
  kCropName,
  kPlantingDate,
  kEndingDate,
  kArea,
  kMaxSoilDepth,
  kRootingDepth,
  kAllowableDepletion,
  kSoilType,
  kAvailableWater,
  kPlantAvailableWater,
  kYieldThreshold,
  kWettingFrequency,
  kGroundCoverB,
  kGroundCoverC,
  kGroundCoverD,
  kGroundCoverE,
  kCoverCrop1,
  kCoverCrop2,
  kStageB,
  kStageC,
  kStageD,
  kKc1,
  kKc2,
  kKc3,
  kStressFactor,
  kStressPeriod,
  kStressStart,
  kStressEnd,
  kPreIrrigated,
};

// "Maximum soil depth", "Cover crop 1", ...: how messages name the field.
std::string_view CropFieldLabel(CropField field);

// One refused value: the field and a sentence that names it and says what to type
// ("Allowable depletion should be above 0 and at most 100 %, not 0").
struct CropRowProblem {
  CropField field;
  std::string message;
};

// A crop row refused; what() is the first problem's message.
class CropRowError : public InputError {
 public:
  explicit CropRowError(CropRowProblem problem)
      : InputError(problem.message), problem_(std::move(problem)) {}
  const CropRowProblem& problem() const { return problem_; }

 private:
  CropRowProblem problem_;
};

// Where a row comes from. A crop file's wetting frequency of 0 is read as 30 days, as the water
// balance always has; typed, 0 would silently become 30, so an entry refuses it for the classes
// whose initial stage it spaces (1 and 2; classes 3 and 4 start at their date B).
enum class CropRowSource { kEntry, kFile };

// The one rule set of a crop row, whoever made it (entry form, `crop add`, a hand-edited crop
// file): a code with a crop class 1..4 as its ninth character and, like the name, no comma or
// control character; days 1..366; area above 0; depths 1..10000 mm; allowable depletion above 0
// and at most 100 %; available water above 0 and at most 1 mm/mm; plant-available water above 0;
// yield-threshold depletion from 0 to the plant-available water; wetting frequency at
// least 1 day (see CropRowSource); ground cover and stage percentages 0..100 with B <= C <= D
// (a stage of no length is allowed); Kc 0..3; Ks 0..1; each cover-crop and the stress period
// either absent (0, 0) or ending after it begins within one year; pre-irrigation "Y" or "N".
// Derived values (available water onwards) are checked only when what they derive from passed.
std::vector<CropRowProblem> CropRowProblems(const CropRow& row,
                                            CropRowSource source = CropRowSource::kFile);

// Throws CropRowError with the first problem, if any.
void CheckCropRow(const CropRow& row, CropRowSource source = CropRowSource::kFile);

// A range rule applied to a value before it is stored (a ground cover is checked before it is
// cut to a whole number): the problem, or nothing.
std::optional<CropRowProblem> CropValueProblem(CropField field, float value);

// The soil letter as typed: L, M or H in either case, or empty (medium).
std::optional<CropRowProblem> SoilTypeProblem(std::string_view text);
// The pre-irrigation letter as typed: Y or N in either case, or empty (the default N).
std::optional<CropRowProblem> PreIrrigatedProblem(std::string_view text);

}  // namespace kelvaro
