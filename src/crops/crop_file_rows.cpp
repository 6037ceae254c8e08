#include "crops/crop_file_rows.h"

#include <algorithm>
#include <utility>

#include "crops/crop_row_checks.h"
#include "weatherio/errors.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

// Lines with their line ends, so that joining them gives the text back byte for byte.
std::vector<std::string> LinesWithEnds(std::string_view contents) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < contents.size()) {
    const size_t end = contents.find('\n', start);
    const size_t next = end == std::string_view::npos ? contents.size() : end + 1;
    lines.emplace_back(contents.substr(start, next - start));
    start = next;
  }
  return lines;
}

// "\r\n", "\n" or nothing.
std::string_view LineEnd(std::string_view line) {
  if (line.ends_with("\r\n")) return line.substr(line.size() - 2);
  if (line.ends_with('\n')) return line.substr(line.size() - 1);
  return {};
}

std::string WithoutLineEnd(std::string_view line) {
  return std::string(line.substr(0, line.size() - LineEnd(line).size()));
}

std::string NameField(std::string_view line) {
  const size_t first = std::min(line.find(','), line.size());
  const size_t second = std::min(line.find(',', first + 1), line.size());
  return std::string(Trim(line.substr(std::min(first + 1, line.size()), second - first - 1)));
}

// The index in `lines` of crop row k, or nothing.
std::optional<size_t> IndexOfCropRow(const std::vector<std::string>& lines, int k) {
  int row = 0;
  for (size_t i = kHeaderLineCount; i < lines.size(); ++i) {
    if (!IsBlankLine(lines[i]) && ++row == k) return i;
  }
  return std::nullopt;
}

}  // namespace

std::vector<CropFileLine> CropFileLines(std::string_view contents) {
  std::vector<CropFileLine> rows;
  const std::vector<std::string> lines = LinesWithEnds(contents);
  for (size_t i = kHeaderLineCount; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i])) continue;
    CropFileLine line;
    line.number = static_cast<int>(rows.size()) + 1;
    line.line_number = static_cast<int>(i) + 1;
    line.text = WithoutLineEnd(lines[i]);
    line.name = NameField(line.text);
    try {
      line.row = ParseCropRow(line.text);
      CheckCropRow(*line.row);
    } catch (const std::exception& error) {
      line.problem = error.what();
    }
    rows.push_back(std::move(line));
  }
  return rows;
}

std::string WithCropRowRewritten(std::string_view contents, int k, std::string_view expected_text,
                                 const std::optional<CropRow>& replacement,
                                 std::string_view file_name) {
  std::vector<std::string> lines = LinesWithEnds(contents);
  const auto index = IndexOfCropRow(lines, k);
  if (!index || WithoutLineEnd(lines[*index]) != expected_text) {
    throw InputError(std::string(file_name) + " has changed since its crops were listed; crop " +
                     std::to_string(k) + " was not changed. List the crops again.");
  }
  std::string& line = lines[*index];
  if (replacement) {
    std::string row = FormatCropRow(*replacement);
    row.pop_back();  // the line end the file had is kept
    line = row + std::string(LineEnd(line));
  } else {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*index));
  }
  return JoinLines(lines);
}

std::string ReadCropFileBytes(const std::filesystem::path& file) {
  auto bytes = ReadFileBytes(file);
  if (!bytes) throw InputError("Couldn't read " + file.filename().string() + ".");
  return std::move(*bytes);
}

void RewriteCropRow(const std::filesystem::path& file, int k, std::string_view expected_text,
                    const std::optional<CropRow>& replacement) {
  const auto path = CheckedDestination(file);
  const std::string contents = ReadCropFileBytes(path);
  WriteWholeFile(file, WithCropRowRewritten(contents, k, expected_text, replacement,
                                            file.filename().string()));
}

}  // namespace kelvaro
