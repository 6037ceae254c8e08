#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {

// Calls `use(line, line_number)` (numbers from 1) for every data line of a file, from the line
// after the first `header_lines`; blank lines carry no record and are passed over. A
// ConversionError or InputError thrown by `use` is rethrown with the file name and line number
// in front. The LineReader form reads one line at a time, so a long file is refused at its
// first bad line without being held whole.
template <typename Use>
void ForEachDataLine(LineReader& file, Use use, int header_lines = kHeaderLineCount) {
  std::string line;
  while (file.Next(line)) {
    if (file.line_number() <= header_lines || IsBlankLine(line)) continue;
    try {
      use(line, file.line_number());
    } catch (...) {
      RethrowWithLocation(file.name(), file.line_number());
    }
  }
}

template <typename Use>
void ForEachDataLine(const TextFile& file, Use use, int header_lines = kHeaderLineCount) {
  for (size_t i = static_cast<size_t>(header_lines); i < file.lines.size(); ++i) {
    if (IsBlankLine(file.lines[i])) continue;
    try {
      use(file.lines[i], static_cast<int>(i + 1));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
}

// Applies `parse` to every data line of a file, from line `first_line` (0-based; most files
// start after their three header lines), as ForEachDataLine does.
template <typename Parse>
auto ParseDataLines(const TextFile& file, Parse parse, size_t first_line = kHeaderLineCount)
    -> std::vector<std::invoke_result_t<Parse, const std::string&>> {
  std::vector<std::invoke_result_t<Parse, const std::string&>> records;
  ForEachDataLine(
      file, [&](const std::string& line, int) { records.push_back(parse(line)); },
      static_cast<int>(first_line));
  return records;
}

}  // namespace kelvaro
