#pragma once

#include <array>

#include "session/session.h"

namespace kelvaro {

// The next number of the session's uniform stream, strictly inside (0, 1). The state is a
// ten-digit decimal number N held in four parts; each call makes N := 100003 N mod 10^10.
float RandomUniform(RandomSeedState& seed);

// A standard normal deviate truncated to [-2.5, 2.5] (cosine branch of Box-Muller; both
// uniforms are redrawn on rejection).
float NormalDeviate(RandomSeedState& seed);

// Weibull wind speed (m/s) from a uniform already drawn; never negative.
float WeibullWindFromUniform(float uniform, float scale, float shape);

// Wet-day rain (mm) for month `Mo`: gamma(ALPHA, BETA) for ALPHA < 1, exponential with mean BETA
// otherwise, times RainFactor. An ALPHA of exactly 1 is replaced in the table by 1.001 for the
// rest of the run.
float GammaRainAmount(RandomSeedState& seed, int Mo, std::array<float, 12>& ALPHA,
                      const std::array<float, 12>& BETA, const std::array<float, 12>& RainFactor);

}  // namespace kelvaro
