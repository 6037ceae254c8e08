#pragma once

#include <string>

namespace kelvaro {

// Appends `value` as printf's "%<width>.<decimals>f" would write it, byte for byte, for
// 0 <= decimals <= 3 (a float times 1000 is exact in double, so rounding matches printf's
// round-half-even on the exact value). Much faster than snprintf for the large daily files.
// A value that is not finite throws InvariantError, as Printf does.
void AppendFixed(std::string& out, float value, int width, int decimals);

// Appends `value` as "%<width>d" would.
void AppendInt(std::string& out, int value, int width);

}  // namespace kelvaro
