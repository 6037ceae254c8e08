#pragma once

namespace kelvaro {

// The generator's internal invariants, each failing with its fixed text.
inline constexpr const char* kUniformRangeCheck = "random > 0.0 && random < 1.0";
inline constexpr const char* kAlphaCheck = "ALPHA[Mo] != 0.0";
inline constexpr const char* kPointCountCheck = "NPTS > 0";
inline constexpr const char* kYearCountCheck = "Ny>1";

// Throws InvariantError with `text` when `condition` does not hold.
void Check(bool condition, const char* text);

}  // namespace kelvaro
