#include "weatherio/fixed_point_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

template <typename Unsigned>
int DigitCount(Unsigned number) {
  int digits = 1;
  while (number >= 10) {
    number /= 10;
    ++digits;
  }
  return digits;
}

// Spaces up to `width` in front of a text of `length` characters. `out` has room for
// kMaxFixedWidth of them, so they are all written and only the needed ones kept.
char* Pad(char* out, int length, int width) {
  std::memset(out, ' ', kMaxFixedWidth);
  if (width > kMaxFixedWidth) std::memset(out, ' ', static_cast<size_t>(width));
  return length < width ? out + (width - length) : out;
}

// The rounded value in units of 10^-Decimals, split into whole and fraction with constant
// divisors and written in place; 32-bit arithmetic covers every value the result files hold.
template <int Decimals, typename Unsigned>
char* WriteUnits(char* out, Unsigned units, bool negative, int width) {
  constexpr Unsigned kDivisor = Decimals == 0 ? 1 : Decimals == 1 ? 10 : Decimals == 2 ? 100 : 1000;
  Unsigned whole = units / kDivisor;
  const int whole_digits = DigitCount(whole);
  const int length = (negative ? 1 : 0) + whole_digits + (Decimals > 0 ? Decimals + 1 : 0);
  out = Pad(out, length, width);
  if (negative) *out++ = '-';
  char* const end = out + whole_digits;
  for (char* digit = end; digit != out; whole /= 10) *--digit = static_cast<char>('0' + whole % 10);
  out = end;
  if constexpr (Decimals > 0) {
    *out++ = '.';
    Unsigned fraction = units % kDivisor;
    for (int i = Decimals - 1; i >= 0; --i, fraction /= 10) {
      out[i] = static_cast<char>('0' + fraction % 10);
    }
    out += Decimals;
  }
  return out;
}

// Rounds half to even, as printf does: below 2^52, adding and taking away 2^52 leaves the
// nearest whole number (ties to even) under the default rounding, and above it every double is
// whole already. (Cheaper than nearbyint, which is a library call.)
double RoundedMagnitude(double scaled) {
  constexpr double kTwoTo52 = 4503599627370496.0;
  const double magnitude = std::fabs(scaled);
  return magnitude < kTwoTo52 ? (magnitude + kTwoTo52) - kTwoTo52 : magnitude;
}

template <int Decimals>
char* WriteScaled(char* out, double scaled, bool negative, int width) {
  const double rounded = RoundedMagnitude(scaled);
  if (rounded < 4294967296.0) {
    return WriteUnits<Decimals>(out, static_cast<uint32_t>(rounded), negative, width);
  }
  return WriteUnits<Decimals>(out, static_cast<uint64_t>(rounded), negative, width);
}

}  // namespace

char* WriteFixed(char* out, float value, int width, int decimals) {
  if (!std::isfinite(value)) {
    const std::string format = "%" + std::to_string(width) + "." + std::to_string(decimals) + "f";
    throw InvariantError(NonFiniteValueMessage(format.c_str()));
  }
  constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0};
  const double scaled = static_cast<double>(value) * kPowersOfTen[decimals];
  if (std::fabs(scaled) >= 1e18) {
    const int length =
        std::snprintf(out, kFixedTextRoom, "%*.*f", width, decimals, static_cast<double>(value));
    return out + length;
  }
  const bool negative = std::signbit(value);
  switch (decimals) {
    case 0:
      return WriteScaled<0>(out, scaled, negative, width);
    case 1:
      return WriteScaled<1>(out, scaled, negative, width);
    case 2:
      return WriteScaled<2>(out, scaled, negative, width);
    default:
      return WriteScaled<3>(out, scaled, negative, width);
  }
}

char* WriteInt(char* out, int value, int width) {
  const uint32_t magnitude =
      value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  return WriteUnits<0>(out, magnitude, value < 0, width);
}

void AppendFixed(std::string& out, float value, int width, int decimals) {
  char text[kFixedTextRoom];
  out.append(text, WriteFixed(text, value, width, decimals));
}

void AppendInt(std::string& out, int value, int width) {
  char text[kFixedTextRoom];
  out.append(text, WriteInt(text, value, width));
}

}  // namespace kelvaro
