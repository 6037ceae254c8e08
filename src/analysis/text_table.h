#pragma once

#include <string>
#include <vector>

namespace kelvaro {

enum class CellAlign { kRight, kLeft };

struct TextColumn {
  std::string header;  // empty in every column: the table has no header line
  int width = 0;       // the narrowest the column is printed; a wider cell widens it
  CellAlign align = CellAlign::kRight;
};

// A table as a terminal shows it: the title lines as they are, the header line, then the rows.
// Each column is as wide as its widest cell, header included, so a long crop name widens its
// column instead of shifting the rest of its row. Columns are parted by one blank, every line
// but the titles starts with the indent, and no line ends in blanks.
class TextTable {
 public:
  explicit TextTable(std::vector<TextColumn> columns, std::string indent = "");

  void AddTitle(std::string line);
  // One cell per column; a short row leaves its last columns empty, extra cells are dropped.
  void AddRow(std::vector<std::string> cells);

  std::string Text() const;

 private:
  std::vector<size_t> Widths() const;
  std::string Line(const std::vector<std::string>& cells, const std::vector<size_t>& widths) const;

  std::vector<TextColumn> columns_;
  std::string indent_;
  std::vector<std::string> titles_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace kelvaro
