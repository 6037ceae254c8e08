#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaro {

// Blanks, tabs and line ends on both sides removed.
std::string_view Trim(std::string_view text);

// Decimal-point numbers, independent of the locale. Surrounding white space is ignored; anything
// else that is not part of the number, and "nan", "inf" or a value out of range, throws
// ConversionError quoting (an excerpt of) the text.
float ParseFloat(std::string_view text);
int32_t ParseInt(std::string_view text);

// A field converted as a number of the named column: a conversion error names the column
// ("Solar '19.2x' is not a valid floating point value").
float ParseColumnFloat(std::string_view text, std::string_view column);
int32_t ParseColumnInt(std::string_view text, std::string_view column);

// Rethrows a ConversionError or InputError raised while reading one line with the file name and
// line number in front of its message.
[[noreturn]] void RethrowWithLocation(const std::string& file_name, int line_number);
// The same with a location of the caller's own ("MARIC.mon, line 5 (month 2)").
[[noreturn]] void RethrowWithLocation(const std::string& location);
// "MARIC.day, line 7".
std::string LineLocation(const std::string& file_name, int line_number);

}  // namespace kelvaro
