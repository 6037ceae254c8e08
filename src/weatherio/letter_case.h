#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

// ASCII letter case only: file names, extensions and list items of the program.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

}  // namespace kelvaro
