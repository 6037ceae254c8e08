#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::cli {

// How a listing is printed: aligned columns for reading, or comma-separated for scripts.
enum class OutputFormat { kTable, kCsv };

// `--format table|csv` (default table).
void AddFormatOption(CLI::App& command, OutputFormat& format);

struct TableColumn {
  std::string_view title;
  int width;  // the narrowest the column is printed
  bool left_aligned = false;
};

using TableRow = std::vector<std::string>;

// A title line and the rows, one cell per column. As a table, each column is as wide as its
// widest cell and columns are parted by a blank; as CSV, a cell holding a comma, a quote or a
// line end is quoted.
void PrintTable(std::span<const TableColumn> columns, const std::vector<TableRow>& rows,
                OutputFormat format, std::ostream& out);

}  // namespace kelvaro::cli
