#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaro {

// Blanks, tabs and line ends on both sides removed.
std::string_view Trim(std::string_view text);

// Decimal-point numbers, independent of the locale. Surrounding white space is ignored; anything
// else that is not part of the number, and "nan", "inf" or a value out of range, throws
// ConversionError quoting the text.
float ParseFloat(std::string_view text);
int32_t ParseInt(std::string_view text);

// Rethrows a ConversionError or InputError raised while reading one line with the file name and
// line number in front of its message.
[[noreturn]] void RethrowWithLocation(const std::string& file_name, int line_number);

}  // namespace kelvaro
