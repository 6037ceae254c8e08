#include "weatherio/text_file.h"

#include <fstream>
#include <sstream>

#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view contents) {
  if (contents.starts_with(kByteOrderMark)) contents.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> lines;
  while (!contents.empty()) {
    const auto end = contents.find('\n');
    lines.emplace_back(WithoutCarriageReturn(contents.substr(0, end)));
    if (end == std::string_view::npos) break;
    contents.remove_prefix(end + 1);
  }
  return lines;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

std::optional<TextFile> ReadTextFile(const std::filesystem::path& path) {
  const auto contents = ReadFileBytes(path);
  if (!contents) return std::nullopt;
  return TextFile{path.filename().string(), SplitLines(*contents)};
}

std::optional<LineReader> LineReader::Open(const std::filesystem::path& path) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return LineReader(path.filename().string(), std::move(in));
}

bool LineReader::Next(std::string& line) {
  if (!std::getline(in_, line)) return false;
  ++line_number_;
  if (line_number_ == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

bool IsBlankLine(const std::string& line) { return Trim(line).empty(); }

}  // namespace kelvaro
