#pragma once

#include <cstddef>
#include <string>

namespace kelvaro {

// Room that WriteFixed and WriteInt need at `out` for a width up to kMaxFixedWidth: the widest
// float printf writes with three decimals (39 digits, a sign, a point and the decimals).
inline constexpr int kMaxFixedWidth = 16;
inline constexpr size_t kFixedTextRoom = 64;

// Writes `value` at `out` as printf's "%<width>.<decimals>f" would, byte for byte, for
// 0 <= decimals <= 3 and width <= kMaxFixedWidth, and returns the end of the text (a float
// times 1000 is exact in double, so rounding matches printf's round-half-even on the exact
// value). Much faster than snprintf for the large daily files. A value that is not finite throws
// InvariantError, as Printf does, and nothing is written.
char* WriteFixed(char* out, float value, int width, int decimals);

// Writes `value` at `out` as "%<width>d" would, for width <= kMaxFixedWidth.
char* WriteInt(char* out, int value, int width);

// The same appended to a string.
void AppendFixed(std::string& out, float value, int width, int decimals);
void AppendInt(std::string& out, int value, int width);

}  // namespace kelvaro
