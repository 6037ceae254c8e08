#include "cli/text_table.h"

#include <algorithm>
#include <map>
#include <ostream>

#include "analysis/text_table.h"

namespace kelvaro::cli {
namespace {

std::string CsvCell(const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void PrintCsvLine(const TableRow& cells, std::ostream& out) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) line += (i > 0 ? "," : "") + CsvCell(cells[i]);
  out << line << "\n";
}

void PrintCsv(std::span<const TableColumn> columns, const std::vector<TableRow>& rows,
              std::ostream& out) {
  TableRow titles;
  for (const TableColumn& column : columns) titles.emplace_back(column.title);
  PrintCsvLine(titles, out);
  for (const TableRow& row : rows) {
    PrintCsvLine(TableRow(row.begin(), row.begin() + std::min(row.size(), columns.size())), out);
  }
}

}  // namespace

void AddFormatOption(CLI::App& command, OutputFormat& format) {
  const std::map<std::string, OutputFormat> formats{{"table", OutputFormat::kTable},
                                                    {"csv", OutputFormat::kCsv}};
  command
      .add_option("--format", format,
                  "table (aligned columns, the default) or csv (comma-separated, for scripts)")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case));
}

void PrintTable(std::span<const TableColumn> columns, const std::vector<TableRow>& rows,
                OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kCsv) return PrintCsv(columns, rows, out);
  std::vector<TextColumn> text_columns;
  for (const TableColumn& column : columns) {
    text_columns.push_back({std::string(column.title), column.width,
                            column.left_aligned ? CellAlign::kLeft : CellAlign::kRight});
  }
  TextTable table(std::move(text_columns));
  for (const TableRow& row : rows) table.AddRow(row);
  out << table.Text();
}

}  // namespace kelvaro::cli
