#include "weatherio/text_file.h"

#include <fstream>
#include <sstream>

#include "weatherio/number_parse.h"

namespace kelvaro {

std::vector<std::string> SplitLines(std::string_view contents) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (contents.starts_with(kByteOrderMark)) contents.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> lines;
  while (!contents.empty()) {
    const auto end = contents.find('\n');
    std::string_view line = contents.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    contents.remove_prefix(end + 1);
  }
  return lines;
}

std::optional<TextFile> ReadTextFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  return TextFile{path.filename().string(), SplitLines(contents.str())};
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

bool IsBlankLine(const std::string& line) { return Trim(line).empty(); }

}  // namespace kelvaro
