#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "crops/crop_row.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

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
