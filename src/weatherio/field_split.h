#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Splits a data line into `column_count` fields from the right: the text after the last comma is
// the last field, and so on; whatever is left is the first column. Fields are returned untrimmed
// in column order. Throws InputError when the line has fewer commas than it needs.
std::vector<std::string> SplitFieldsFromRight(std::string_view line, int column_count);

// SplitFieldsFromRight for the data lines of the weather, pan and ETo files, whose first column
// is a number: a comma left in it means the line has more fields than its layout, and
// FieldCountError is thrown.
std::vector<std::string> SplitDataFields(std::string_view line, int column_count);

// The fields of a line of the program's own bookkeeping files (journal, run record), which are
// separated by tabs: file names hold commas but never a tab.
std::vector<std::string> SplitAtTabs(std::string_view line);

}  // namespace kelvaro
