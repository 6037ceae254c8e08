#pragma once

#include <filesystem>
#include <fstream>
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

// A regular file's bytes as they stand; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

std::vector<std::string> SplitLines(std::string_view contents);

// Lines that already end in their line ends, joined into one text.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads a text file one line at a time, under the same conventions as ReadTextFile, for files
// too long to hold whole.
class LineReader {
 public:
  // Nothing when the file cannot be opened for reading.
  static std::optional<LineReader> Open(const std::filesystem::path& path);

  // The next line without its line end; false at the end of the file.
  bool Next(std::string& line);
  // Number of the line Next() returned last, from 1.
  int line_number() const { return line_number_; }
  const std::string& name() const { return name_; }

 private:
  LineReader(std::string name, std::ifstream in) : name_(std::move(name)), in_(std::move(in)) {}

  std::string name_;
  std::ifstream in_;
  int line_number_ = 0;
};

// True for a line holding nothing but white space.
bool IsBlankLine(const std::string& line);

}  // namespace kelvaro
