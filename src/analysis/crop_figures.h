#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What a run gives for one crop of a study area: the mean of a year (the 9999 row of its annual
// file) in season CETc, CEr and ETAW and the whole year's AETAW, and its monthly ETAW from the
// study area's ETAW summary.
struct CropFigures {
  std::string name;
  std::optional<std::array<float, 4>> annual;  // CETc, CEr, ETAW, AETAW; none without the row
  std::vector<float> monthly_etaw;             // Jan..Dec, then the year
};

// Every crop of the study area's ETAW summary, in its order; nothing when the run left none.
std::vector<CropFigures> ReadCropFigures(const std::filesystem::path& dir, const std::string& sa5);

}  // namespace kelvaro
