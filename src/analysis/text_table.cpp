#include "analysis/text_table.h"

#include <algorithm>

namespace kelvaro {
namespace {

// Characters a terminal shows: the bytes of UTF-8 text less its continuation bytes.
size_t ShownWidth(const std::string& cell) {
  return static_cast<size_t>(std::count_if(cell.begin(), cell.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool HasHeader(const std::vector<TextColumn>& columns) {
  return std::any_of(columns.begin(), columns.end(),
                     [](const TextColumn& column) { return !column.header.empty(); });
}

}  // namespace

TextTable::TextTable(std::vector<TextColumn> columns, std::string indent)
    : columns_(std::move(columns)), indent_(std::move(indent)) {}

void TextTable::AddTitle(std::string line) { titles_.push_back(std::move(line)); }

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(std::min(cells.size(), columns_.size()));
  rows_.push_back(std::move(cells));
}

std::vector<size_t> TextTable::Widths() const {
  std::vector<size_t> widths;
  for (const TextColumn& column : columns_) {
    widths.push_back(std::max<size_t>(static_cast<size_t>(std::max(column.width, 0)),
                                      ShownWidth(column.header)));
  }
  for (const auto& row : rows_) {
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], ShownWidth(row[i]));
  }
  return widths;
}

std::string TextTable::Line(const std::vector<std::string>& cells,
                            const std::vector<size_t>& widths) const {
  std::string line = indent_;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ' ';
    const std::string fill(widths[i] - ShownWidth(cells[i]), ' ');
    line += columns_[i].align == CellAlign::kLeft ? cells[i] + fill : fill + cells[i];
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

std::string TextTable::Text() const {
  const std::vector<size_t> widths = Widths();
  std::string text;
  for (const std::string& title : titles_) text += title + "\n";
  if (HasHeader(columns_)) {
    std::vector<std::string> headers;
    for (const TextColumn& column : columns_) headers.push_back(column.header);
    text += Line(headers, widths);
  }
  for (const auto& row : rows_) text += Line(row, widths);
  return text;
}

}  // namespace kelvaro
