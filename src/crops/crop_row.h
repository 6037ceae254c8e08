#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// One crop of a study area, as one row of its crop file (31 fields).
struct CropRow {
  std::string code;      // CropCode; its ninth character is the crop class
  std::string name;      // CropName as written to the file
  int planting_doy = 0;  // planting or leaf-out
  int ending_doy = 0;    // end of season (may be before planting: next year)
  int area_ha = 0;
  float max_soil_depth_mm = 0.0f;
  float max_root_depth_mm = 0.0f;
  float allowable_depletion_pct = 0.0f;   // percent of plant-available water
  float available_water = 0.0f;           // mm of water per mm of soil
  float plant_available_water_mm = 0.0f;  // available water x min(soil depth, root depth)
  float yield_threshold_mm = 0.0f;        // depletion x 0.01 x plant-available water
  int wetting_frequency_days = 0;         // days between wettings during initial growth
  std::array<int, 4> ground_cover_pct{};  // on dates B, C, D, E
  std::array<int, 4> cover_crop_doy{};    // first begin, first end, second begin, second end
  std::array<int, 3> stage_pct{};         // percent of season to dates B, C, D
  std::array<float, 3> kc{};              // Kc1 (A to B), Kc2 (C to D), Kc3 (at E)
  float ks = 1.0f;                        // water stress factor, 1 = no stress
  int stress_begin_doy = 0;
  int stress_end_doy = 0;
  std::string pre_irrigated = "N";  // "Y" or "N"
  int row_marker = kCropRowMarker;

  static constexpr int kCropRowMarker = 36919;

  // The crop class 1..4 read from the ninth character of the code; 0 when the code is too short
  // or that character is not a digit.
  int CropClass() const;
};

inline constexpr int kCropRowFieldCount = 31;

// The three header lines of a new crop file.
std::string CropFileHeader();

// One row with its line end, in the crop file's layout.
std::string FormatCropRow(const CropRow& row);

// Parses one data line of a crop file; throws ConversionError (naming the field) or InputError
// (a line with more or fewer than 31 fields), without location. The values are not checked
// (CheckCropRow does that).
CropRow ParseCropRow(std::string_view line);

// Reads every crop row of a crop file (three header lines skipped, blank lines ignored); each
// row must pass CheckCropRow. Errors name the file, the line and the crop's number
// ("SA00012.csv, line 5 (crop 2): Allowable depletion should be above 0 and at most 100 %, not
// 500"). Returns nothing when the file cannot be opened.
struct CropFile {
  std::string name;
  std::vector<CropRow> rows;
  std::vector<int> line_numbers;  // the file's line (from 1) of each row
};
std::optional<CropFile> ReadCropFile(const std::filesystem::path& path);

}  // namespace kelvaro
