#pragma once

namespace kelvaro {

// Every file and every computation marks a value it does not have with -999.
inline constexpr float kMissing = -999.0f;

inline bool IsMissing(float value) { return value == kMissing; }

}  // namespace kelvaro
