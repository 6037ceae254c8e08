#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "viewers/file_outcome.h"

namespace kelvaro {

// The kinds whose files are per crop: "csv", "mtv" and "eaw".
bool IsPerCropKind(std::string_view ext);

// The name of the result file the finders open for kind `ext` ("csv", "mtv", "eaw" per crop,
// "wrk" by input file name, "saw" and "set" per study area); empty for any other kind.
std::string FinderFileName(std::string_view ext, const std::string& sa_text, int crop_index);

// What a finder looks up: a kind, the SA text as typed (for "wrk" the working file's stem) and
// for the per-crop kinds the crop's index in the crop list (its number, from 1).
struct FinderRequest {
  std::string kind;
  std::string sa;
  int crop = -1;
};

// The file FinderFileName names, found in `folder` in any letter case, or the kFile problem
// "An invalid input file name". A kind no finder knows gives neither file nor problem.
FileOutcome FindFinderFile(const FinderRequest& request, const std::filesystem::path& folder);

// The crop and soil finder's look-up of the crop file "SA" + SA5 + ".CSV": only SA numbers 1
// to 999 are looked up; 1000 to 99999 (and 0 or below) give neither file nor problem; an empty
// text is "Enter the SA number" and above 99999 "SA number should be between 1 and 99999" (kSa).
// A text that is no integer throws ConversionError quoting it.
FileOutcome FindCropInfoFile(const std::string& sa_text, const std::filesystem::path& folder);

}  // namespace kelvaro
