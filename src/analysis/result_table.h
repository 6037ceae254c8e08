#pragma once

#include <optional>
#include <string>
#include <vector>

#include "weatherio/text_file.h"

namespace kelvaro {

// Any result or input file as a table: the header lines name the columns, every further line is
// a row of comma-separated cells.
struct ResultTable {
  std::string title;                 // the first line when it is a title, not column names
  std::vector<std::string> columns;  // names, with the unit in parentheses where one is given
  std::vector<bool> numeric;         // per column: every filled cell is a number
  std::vector<std::vector<std::string>> rows;  // cells trimmed; short rows padded with ""
};

// The three header lines give the column names: the first line is a title when it has fewer
// than half as many fields as the widest row (a station or crop line), else a line of names;
// the second line names the columns; the third gives their units ("#" and empty cells give
// none). Blank lines are passed over.
ResultTable MakeResultTable(const TextFile& file);

// The value of a cell that reads as a number (decimal point, any blanks around), for sorting and
// aligning; nothing for other text.
std::optional<double> CellNumber(const std::string& cell);

}  // namespace kelvaro
