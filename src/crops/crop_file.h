#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "crops/crop_row.h"

namespace kelvaro {

inline constexpr int kMinSaNumber = 1;
inline constexpr int kMaxSaNumber = 99999;

// The SA number padded on the left with zeros to five digits (12 -> "00012").
std::string SA5Of(int sa_number);

// "SA" + SA5 + ".csv", the name the crop/soil entry form gives a new crop file. Readers ask for
// ".CSV"; lookups ignore letter case, so both reach the same file.
std::string CropFileName(int sa_number);

// Appends one row to the study area's crop file in `folder`, writing the three header lines first
// when the file is new or empty, and a line break first when its last line lacks one. Returns
// the file's path. Throws InputError when it cannot be written, and refuses (naming it) a crop
// file that is a link leading outside `folder` or that the user made read-only.
std::filesystem::path AppendCropRow(const std::filesystem::path& folder, int sa_number,
                                    const CropRow& row);

// The study area's crop file in `folder`, found without regard to letter case; nothing when
// there is none.
std::optional<CropFile> ReadStudyAreaCrops(const std::filesystem::path& folder, int sa_number);

}  // namespace kelvaro
