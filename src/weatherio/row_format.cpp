#include "weatherio/row_format.h"

#include <array>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

// Consumes the arguments of one conversion (after its '%') from `args`; false when it is a
// floating-point argument that is not finite. `*format` moves past the conversion.
bool ConsumeConversion(const char*& format, va_list& args) {
  const char* c = format;
  while (*c != '\0' && std::strchr("-+ #0", *c) != nullptr) ++c;
  const auto star_or_digits = [&] {
    if (*c == '*') {
      va_arg(args, int);
      ++c;
    }
    while (*c >= '0' && *c <= '9') ++c;
  };
  star_or_digits();
  if (*c == '.') {
    ++c;
    star_or_digits();
  }
  int longs = 0;
  bool long_double = false;
  bool size = false;
  for (; *c != '\0' && std::strchr("hlLzjt", *c) != nullptr; ++c) {
    if (*c == 'l') ++longs;
    if (*c == 'L') long_double = true;
    if (*c == 'z' || *c == 'j' || *c == 't') size = true;
  }
  const char conversion = *c;
  format = conversion == '\0' ? c : c + 1;
  if (conversion == '\0') return true;
  if (std::strchr("diouxXc", conversion) != nullptr) {
    if (size) {
      va_arg(args, intmax_t);
    } else if (longs >= 2) {
      va_arg(args, long long);
    } else if (longs == 1) {
      va_arg(args, long);
    } else {
      va_arg(args, int);
    }
  } else if (std::strchr("fFeEgGaA", conversion) != nullptr) {
    return long_double ? std::isfinite(va_arg(args, long double))
                       : std::isfinite(va_arg(args, double));
  } else if (std::strchr("spn", conversion) != nullptr) {
    va_arg(args, void*);
  }
  return true;  // "%%" takes no argument
}

bool AllFinite(const char* format, va_list args) {
  va_list walk;
  va_copy(walk, args);
  bool finite = true;
  while (finite && (format = std::strchr(format, '%')) != nullptr) {
    ++format;
    finite = ConsumeConversion(format, walk);
  }
  va_end(walk);
  return finite;
}

}  // namespace

std::string NonFiniteValueMessage(const char* format) {
  std::string shown(format);
  while (!shown.empty() && shown.back() == '\n') shown.pop_back();
  return "A value to be written with the format \"" + shown +
         "\" is not a finite number; nothing was written.";
}

std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (!AllFinite(format, args)) {
    va_end(args);
    throw InvariantError(NonFiniteValueMessage(format));
  }
  // Rows of the file layouts fit the buffer, so most calls format once.
  std::array<char, 512> buffer;
  va_list retry;
  va_copy(retry, args);
  const int length = std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  std::string text;
  if (length > 0 && static_cast<size_t>(length) < buffer.size()) {
    text.assign(buffer.data(), static_cast<size_t>(length));
  } else if (length > 0) {
    text.resize(static_cast<size_t>(length));
    std::vsnprintf(text.data(), text.size() + 1, format, retry);
  }
  va_end(retry);
  return text;
}

}  // namespace kelvaro
