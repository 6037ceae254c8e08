#pragma once

#include <string>

namespace kelvaro {

// printf-style formatting into a string, with the file layouts' formats used verbatim. A
// floating-point argument that is not finite is a defect upstream: it throws InvariantError
// rather than putting "nan" or "inf" into a result.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of the defect check, with the format it concerns.
std::string NonFiniteValueMessage(const char* format);

}  // namespace kelvaro
