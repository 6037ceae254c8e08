#include "cli/text_table.h"

#include <map>
#include <ostream>

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

std::string Padded(const std::string& cell, const TableColumn& column) {
  const size_t width = static_cast<size_t>(column.width);
  if (cell.size() >= width) return cell;
  const std::string fill(width - cell.size(), ' ');
  return column.left_aligned ? cell + fill : fill + cell;
}

void PrintLine(std::span<const TableColumn> columns, const TableRow& cells, OutputFormat format,
               std::ostream& out) {
  std::string line;
  for (size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
    if (i > 0) line += format == OutputFormat::kCsv ? "," : " ";
    line += format == OutputFormat::kCsv ? CsvCell(cells[i]) : Padded(cells[i], columns[i]);
  }
  if (format == OutputFormat::kTable) line.erase(line.find_last_not_of(' ') + 1);
  out << line << "\n";
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
  TableRow titles;
  for (const TableColumn& column : columns) titles.emplace_back(column.title);
  PrintLine(columns, titles, format, out);
  for (const TableRow& row : rows) PrintLine(columns, row, format, out);
}

}  // namespace kelvaro::cli
