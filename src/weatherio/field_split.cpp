#include "weatherio/field_split.h"

#include <algorithm>

#include "weatherio/errors.h"

namespace kelvaro {

std::vector<std::string> SplitFieldsFromRight(std::string_view line, int column_count) {
  std::vector<std::string> fields(static_cast<size_t>(std::max(column_count, 1)));
  for (int column = column_count - 1; column > 0; --column) {
    const auto comma = line.rfind(',');
    if (comma == std::string_view::npos) {
      throw InputError("expected " + std::to_string(column_count) + " fields, found " +
                       std::to_string(column_count - column));
    }
    fields[static_cast<size_t>(column)] = std::string(line.substr(comma + 1));
    line = line.substr(0, comma);
  }
  fields[0] = std::string(line);
  return fields;
}

std::vector<std::string> SplitDataFields(std::string_view line, int column_count) {
  auto fields = SplitFieldsFromRight(line, column_count);
  if (fields[0].find(',') != std::string::npos) {
    throw FieldCountError(static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1,
                          column_count);
  }
  return fields;
}

FieldCountError::FieldCountError(int found, int expected)
    : InputError("the line has " + std::to_string(found) + " fields where " +
                 std::to_string(expected) + " are expected (a decimal comma, or an extra column?)"),
      detail_(std::string(what()).substr(std::string_view("the line ").size())) {}

std::vector<std::string> SplitAtTabs(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1) {
    fields.emplace_back(line.substr(start, tab - start));
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

}  // namespace kelvaro
