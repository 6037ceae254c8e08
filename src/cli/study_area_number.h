#pragma once

#include <filesystem>
#include <string>

#include "crops/crop_file.h"

namespace kelvaro::cli {

// The number of --sa, 1 to 99999; anything else is refused naming the option.
int ParseStudyAreaNumber(const std::string& text);

// The study area's crop file in `dir`; refused, with where it was looked for and how to make
// it, when there is none.
CropFile ReadCropFileOrRefuse(const std::filesystem::path& dir, int sa_number);

}  // namespace kelvaro::cli
