#pragma once

#include "weatherio/missing_value.h"

namespace kelvaro {

// The generator works in oF and langleys per day (cal/cm^2/day).
inline constexpr float kLangleysPerMegajoule = 23.884f;    // MJ/m^2 to langleys, going in
inline constexpr float kLangleysPerMegajouleOut = 23.87f;  // and back out: stored results use it

inline float ToFahrenheit(float celsius) { return celsius * 1.8f + 32.0f; }
inline float ToCelsius(float fahrenheit) { return (fahrenheit - 32.0f) * 5.0f * (1.0f / 9.0f); }
inline float ToMegajoules(float langleys) { return langleys * (1.0f / kLangleysPerMegajouleOut); }

// A missing monthly mean stays -999 in the working units, so the harmonic fit sees it.
inline float FahrenheitOrMissing(float celsius) {
  return IsMissing(celsius) ? kMissing : ToFahrenheit(celsius);
}
inline float LangleysOrMissing(float megajoules, float langleys_per_megajoule) {
  return IsMissing(megajoules) ? kMissing : megajoules * langleys_per_megajoule;
}

}  // namespace kelvaro
