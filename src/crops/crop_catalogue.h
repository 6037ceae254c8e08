#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kelvaro {

// One crop of the compiled-in catalogue: what choosing it in the crop list fills in.
struct CropDefaults {
  std::string_view list_item;  // text of the crop list
  float crop_no;               // integer part = crop class 1..4; not unique (1.41, 1.49 twice)
  std::string_view crop_name;  // written to the crop file, sometimes spelt unlike the list item
  int a_to_b;                  // percent of the season to date B
  int a_to_c;
  int a_to_d;
  float kc_ab;  // Kc1, initial stage (A to B)
  float kc_cd;  // Kc2, mid-season (C to D)
  float kc_e;   // Kc3, at the end of the season (E)
  int plant_month;
  int plant_day;
  int ending_month;
  int ending_day;
  float def_rooting_depth_mm;
};

inline constexpr int kCatalogueSize = 65;
// The crop list holds the 65 crops and, last, a blank item that selects nothing.
inline constexpr int kCropListSize = kCatalogueSize + 1;
inline constexpr std::string_view kBlankCropItem = " ";

// The 65 crops in list order (list index = position).
std::span<const CropDefaults> CropCatalogue();

// Text of crop list item `index` (0..65); the last one is the blank item.
std::string_view CropListItem(int index);

// Index of the crop whose list item matches `name` without regard to letter case.
std::optional<int> FindCropByListItem(std::string_view name);

// Crop class 1..4 of a crop number: up to 3 counts as class 1 or 2 (by its integer part), above
// 3 and below 4 is class 3, above 4 is class 4; below 1 there is no class (0). Selects the
// coefficient rules and form inputs.
int CropClass(float crop_no);

// Available water of a soil letter, mm of water per mm of soil: L 0.075, M 0.125, H 0.175 (upper-
// or lower-case); empty counts as M; any other text has none.
float SoilAvailableWater(std::string_view soil_letter);

// Crop-independent defaults the form shows when it opens, as the texts of their fields.
inline constexpr std::string_view kDefSoilType = "M";
inline constexpr std::string_view kDefMaxSoil = "1524";           // mm
inline constexpr std::string_view kDefAllowableDepletion = "50";  // percent
inline constexpr std::string_view kDefPreIrrigated = "N";
inline constexpr std::string_view kDefWettingFrequency = "30";  // days
inline constexpr std::string_view kDefGroundCover = "70";       // percent, dates B to E
inline constexpr std::string_view kDefStressFactor = "1";       // no stress

inline constexpr std::string_view kSoilTypeQuestion =
    "Is the soil type light (L), medium (M), or heavy (H)?";
inline constexpr std::string_view kSoilTypeExplanation =
    "Light soils AW < 0.1  Medium soils 0.1 < AW < 0.15 Heavy soils AW > 0.15";

}  // namespace kelvaro
