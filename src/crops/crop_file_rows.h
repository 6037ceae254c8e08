#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crops/crop_row.h"

namespace kelvaro {

// One crop row of a crop file as its text stands, whether or not it meets the rules of a crop
// row: a row a run refuses is the one a user most wants to mend or take out.
struct CropFileLine {
  int number = 0;              // the crop's number k, from 1 (blank lines not counted)
  int line_number = 0;         // the file's line, from 1
  std::string text;            // the line without its line end
  std::string name;            // its second field, trimmed
  std::optional<CropRow> row;  // the row read; nothing when its fields cannot be read
  std::string problem;         // why it is refused (unreadable or against the rules)
};

// The crop rows of a crop file's text: the lines after the three header lines, blank lines
// skipped.
std::vector<CropFileLine> CropFileLines(std::string_view contents);

// The text with crop row `k` replaced by `replacement` (its line end kept as the file had it),
// or taken out when there is none; every other byte is kept. Throws InputError naming `file_name`
// when there is no crop `k` or its line is no longer `expected_text` (the file changed since it
// was listed).
std::string WithCropRowRewritten(std::string_view contents, int k, std::string_view expected_text,
                                 const std::optional<CropRow>& replacement,
                                 std::string_view file_name);

// The crop file's bytes; throws InputError naming it when it cannot be read.
std::string ReadCropFileBytes(const std::filesystem::path& file);

// Rewrites crop row `k` of `file` (WithCropRowRewritten) as a whole new file renamed into
// place, refusing a link out of its folder or a read-only file; nothing is changed on a refusal.
void RewriteCropRow(const std::filesystem::path& file, int k, std::string_view expected_text,
                    const std::optional<CropRow>& replacement);

}  // namespace kelvaro
