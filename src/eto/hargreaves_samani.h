#pragma once

namespace kelvaro {

// What callers do with a Hargreaves-Samani value below zero (a mean temperature under -17.8 oC)
// or without a value (TMax below TMin).
enum class NegativeEt { kKept, kZero };

// Temperature-only reference ET, mm per day: 0.0023 Ra (Tmean + 17.8) sqrt(TMax - TMin) / 2.45,
// with Ra of day `doy` (1..366 or a mid-month day) at a latitude in radians.
float HargreavesSamani(int doy, float tmax, float tmin, float latitude_rad, float pi,
                       NegativeEt negative);

}  // namespace kelvaro
