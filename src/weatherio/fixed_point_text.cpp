#include "weatherio/fixed_point_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0};

// Digits of a non-negative number, most significant first, into the end of `buffer`.
char* WriteDigits(char* end, uint64_t number, int min_digits) {
  int written = 0;
  do {
    *--end = static_cast<char>('0' + number % 10);
    number /= 10;
    ++written;
  } while (number != 0 || written < min_digits);
  return end;
}

void AppendPadded(std::string& out, const char* begin, const char* end, int width) {
  const int length = static_cast<int>(end - begin);
  if (length < width) out.append(static_cast<size_t>(width - length), ' ');
  out.append(begin, end);
}

}  // namespace

void AppendFixed(std::string& out, float value, int width, int decimals) {
  if (!std::isfinite(value)) {
    const std::string format = "%" + std::to_string(width) + "." + std::to_string(decimals) + "f";
    throw InvariantError(NonFiniteValueMessage(format.c_str()));
  }
  const double scaled = static_cast<double>(value) * kPowersOfTen[decimals];
  if (std::fabs(scaled) >= 1e18) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    out.append(text, static_cast<size_t>(length));
    return;
  }
  const uint64_t units = static_cast<uint64_t>(std::fabs(std::nearbyint(scaled)));
  const uint64_t divisor = static_cast<uint64_t>(kPowersOfTen[decimals]);
  char buffer[48];
  char* end = buffer + sizeof buffer;
  char* begin = end;
  if (decimals > 0) {
    begin = WriteDigits(begin, units % divisor, decimals);
    *--begin = '.';
  }
  begin = WriteDigits(begin, units / divisor, 1);
  if (std::signbit(value)) *--begin = '-';
  AppendPadded(out, begin, end, width);
}

void AppendInt(std::string& out, int value, int width) {
  char buffer[24];
  char* end = buffer + sizeof buffer;
  const uint64_t magnitude = value < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(value))
                                       : static_cast<uint64_t>(value);
  char* begin = WriteDigits(end, magnitude, 1);
  if (value < 0) *--begin = '-';
  AppendPadded(out, begin, end, width);
}

}  // namespace kelvaro
