#include "analysis/result_table.h"

#include <algorithm>
#include <charconv>

#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    cells.emplace_back(Trim(std::string_view(line).substr(
        start, comma == std::string::npos ? std::string::npos : comma - start)));
    if (comma == std::string::npos) return cells;
    start = comma + 1;
  }
}

std::string Joined(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + " " + b;
}

std::string WithUnit(const std::string& name, const std::string& unit) {
  if (unit.empty() || unit == "#" || unit == "()") return name;
  return Joined(name, "(" + unit + ")");
}

std::string At(const std::vector<std::string>& cells, size_t i) {
  return i < cells.size() ? cells[i] : std::string();
}

}  // namespace

std::optional<double> CellNumber(const std::string& cell) {
  const std::string_view text = Trim(cell);
  if (text.empty()) return std::nullopt;
  double value = 0.0;
  const char* begin = text.data();
  if (*begin == '+') ++begin;
  const auto result = std::from_chars(begin, text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

ResultTable MakeResultTable(const TextFile& file) {
  ResultTable table;
  std::vector<std::vector<std::string>> header;
  size_t width = 0;
  for (size_t i = 0; i < file.lines.size(); ++i) {
    if (i >= static_cast<size_t>(kHeaderLineCount) && IsBlankLine(file.lines[i])) continue;
    auto cells = Cells(file.lines[i]);
    if (i < static_cast<size_t>(kHeaderLineCount)) {
      header.push_back(std::move(cells));
      continue;
    }
    width = std::max(width, cells.size());
    table.rows.push_back(std::move(cells));
  }
  header.resize(kHeaderLineCount);
  const bool first_is_title = 2 * header[0].size() < width || width == 0;
  if (first_is_title && !file.lines.empty()) table.title = std::string(Trim(file.lines[0]));
  width = std::max({width, header[1].size(), first_is_title ? size_t{0} : header[0].size()});

  for (size_t c = 0; c < width; ++c) {
    const std::string name = Joined(first_is_title ? "" : At(header[0], c), At(header[1], c));
    std::string column = WithUnit(name, At(header[2], c));
    table.columns.push_back(column.empty() ? "Column " + std::to_string(c + 1) : column);
  }
  for (auto& row : table.rows) row.resize(width);
  for (size_t c = 0; c < width; ++c) {
    bool numeric = false;
    bool text = false;
    for (const auto& row : table.rows) {
      if (row[c].empty()) continue;
      (CellNumber(row[c]) ? numeric : text) = true;
    }
    table.numeric.push_back(numeric && !text);
  }
  return table;
}

}  // namespace kelvaro
