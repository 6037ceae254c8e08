#include "weatherio/fixed_point_text.h"

#include <bit>
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

// "00" to "99", for writing two digits at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The digits of `number` ending just before `end`, at least `min_digits` of them, two at a time
// (a shorter chain of divisions than one at a time).
template <typename Unsigned>
void WriteDigitsBefore(char* end, Unsigned number, int min_digits) {
  int written = 0;
  while (number >= 100 || written + 2 <= min_digits - 1) {
    const auto pair = static_cast<size_t>(number % 100) * 2;
    number /= 100;
    end -= 2;
    std::memcpy(end, kDigitPairs + pair, 2);
    written += 2;
  }
  if (number >= 10 || written + 1 < min_digits) {
    end -= 2;
    std::memcpy(end, kDigitPairs + static_cast<size_t>(number) * 2, 2);
  } else {
    *--end = static_cast<char>('0' + number);
  }
}

// The rounded value in units of 10^-Decimals, split into whole and fraction with constant
// divisors and written in place; 32-bit arithmetic covers every value the result files hold.
template <int Decimals, typename Unsigned>
char* WriteUnits(char* out, Unsigned units, bool negative, int width) {
  constexpr Unsigned kDivisor = Decimals == 0 ? 1 : Decimals == 1 ? 10 : Decimals == 2 ? 100 : 1000;
  const Unsigned whole = units / kDivisor;
  const int whole_digits = DigitCount(whole);
  const int length = (negative ? 1 : 0) + whole_digits + (Decimals > 0 ? Decimals + 1 : 0);
  out = Pad(out, length, width);
  if (negative) *out++ = '-';
  out += whole_digits;
  WriteDigitsBefore(out, whole, 1);
  if constexpr (Decimals > 0) {
    *out++ = '.';
    out += Decimals;
    WriteDigitsBefore(out, static_cast<Unsigned>(units % kDivisor), Decimals);
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

uint64_t DigitPair(uint32_t number) {
  uint16_t pair;
  std::memcpy(&pair, kDigitPairs + number * 2, 2);
  return pair;
}

// The daily files' case, three decimals and less than 10000, with few branches: "WWWW.FFF" is
// put together in a register (first character in the lowest byte, as memory holds it) and
// written from its first significant digit on.
char* WriteThousandths(char* out, uint32_t units, bool negative, int width) {
  static_assert(std::endian::native == std::endian::little);
  const uint32_t whole = units / 1000;
  const uint32_t fraction = units % 1000;
  const uint64_t text = DigitPair(whole / 100) | DigitPair(whole % 100) << 16 |
                        uint64_t{'.'} << 32 | uint64_t('0' + fraction / 100) << 40 |
                        DigitPair(fraction % 100) << 48;
  const int whole_digits = 1 + (whole >= 10) + (whole >= 100) + (whole >= 1000);
  out = Pad(out, (negative ? 1 : 0) + whole_digits + 4, width);
  *out = '-';
  out += negative ? 1 : 0;
  const uint64_t significant = text >> (8 * (4 - whole_digits));
  std::memcpy(out, &significant, 8);
  return out + whole_digits + 4;
}

template <int Decimals>
char* WriteScaled(char* out, double scaled, bool negative, int width) {
  const double rounded = RoundedMagnitude(scaled);
  if (Decimals == 3 && rounded < 1e7) {
    return WriteThousandths(out, static_cast<uint32_t>(rounded), negative, width);
  }
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
