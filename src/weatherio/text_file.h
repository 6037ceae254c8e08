#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// A text file read whole: LF or CRLF line ends, an optional UTF-8 byte order mark, lines of any
// length. Line ends are removed; a final line end does not make an extra empty line.
struct TextFile {
  std::string name;  // the file name as shown in messages
  std::vector<std::string> lines;
};

// Nothing when the file cannot be opened for reading.
std::optional<TextFile> ReadTextFile(const std::filesystem::path& path);

std::vector<std::string> SplitLines(std::string_view contents);

// Lines that already end in their line ends, joined into one text.
std::string JoinLines(const std::vector<std::string>& lines);

// True for a line holding nothing but white space.
bool IsBlankLine(const std::string& line);

}  // namespace kelvaro
