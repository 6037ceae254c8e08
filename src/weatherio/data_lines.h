#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {

// Applies `parse` to every data line of a file, from line `first_line` (0-based; most files
// start after their three header lines); blank lines carry no record and are passed over. A
// ConversionError or InputError is rethrown with the file name and line number in front.
template <typename Parse>
auto ParseDataLines(const TextFile& file, Parse parse, size_t first_line = kHeaderLineCount)
    -> std::vector<std::invoke_result_t<Parse, const std::string&>> {
  std::vector<std::invoke_result_t<Parse, const std::string&>> records;
  for (size_t i = first_line; i < file.lines.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      records.push_back(parse(file.lines[i]));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  return records;
}

}  // namespace kelvaro
