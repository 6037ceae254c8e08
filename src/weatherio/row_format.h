#pragma once

#include <string>

namespace kelvaro {

// printf-style formatting into a string, with the file layouts' formats used verbatim.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kelvaro
