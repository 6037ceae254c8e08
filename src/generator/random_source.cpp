#include "generator/random_source.h"

#include <algorithm>
#include <cmath>

#include "generator/check.h"

namespace kelvaro {
namespace {

// Uniforms entering a logarithm are floored here, compared in double precision.
double LogFloored(float uniform) {
  return std::log(std::max(static_cast<double>(uniform), 0.0001));
}

}  // namespace

float RandomUniform(RandomSeedState& seed) {
  seed.ix4 = 3 * seed.ix4 + seed.ix2;
  seed.ix3 = 3 * seed.ix3 + seed.ix1;
  seed.ix2 = 3 * seed.ix2;
  seed.ix1 = 3 * seed.ix1;
  int32_t carry = seed.ix1 / 1000;
  seed.ix1 -= 1000 * carry;
  seed.ix2 += carry;
  carry = seed.ix2 / 100;
  seed.ix2 -= 100 * carry;
  seed.ix3 += carry;
  carry = seed.ix3 / 1000;
  seed.ix3 -= 1000 * carry;
  seed.ix4 += carry;
  carry = seed.ix4 / 100;
  seed.ix4 -= 100 * carry;
  float random = static_cast<float>(
      (((seed.ix1 * 0.001 + seed.ix2) * 0.01 + seed.ix3) * 0.001 + seed.ix4) * 0.01);
  // States above 0.99999997 round to 1.0 in single precision; the stream goes on unchanged.
  if (random >= 1.0f) random = std::nextafter(1.0f, 0.0f);
  Check(random > 0.0f && random < 1.0f, kUniformRangeCheck);
  return random;
}

float NormalDeviate(RandomSeedState& seed) {
  constexpr double kTruncation = 2.5;
  double z = 0.0;
  do {
    const float u1 = RandomUniform(seed);
    const float u2 = RandomUniform(seed);
    z = std::sqrt(-2.0 * LogFloored(u1)) * std::cos(6.283185 * u2);
  } while (std::fabs(z) > kTruncation);
  return static_cast<float>(z);
}

float WeibullWindFromUniform(float uniform, float scale, float shape) {
  const auto wind = static_cast<float>(scale * std::pow(-LogFloored(uniform), 1.0 / shape));
  return wind < 0.0f ? 0.0f : wind;
}

float GammaRainAmount(RandomSeedState& seed, int Mo, std::array<float, 12>& ALPHA,
                      const std::array<float, 12>& BETA, const std::array<float, 12>& RainFactor) {
  const auto month = static_cast<size_t>(Mo);
  Check(ALPHA[month] != 0.0f, kAlphaCheck);
  const float aa = 1.0f / ALPHA[month];
  if (ALPHA[month] == 1.0f) ALPHA[month] = 1.001f;
  const float ab = 1.0f / (1.0f - ALPHA[month]);
  const auto tr1 = static_cast<float>(std::exp(-18.42 / aa));
  const auto tr2 = static_cast<float>(std::exp(-18.42 / ab));
  float s1 = 0.0f;
  float s = 0.0f;
  do {
    const float r1 = RandomUniform(seed);
    const float r2 = RandomUniform(seed);
    s1 = r1 - tr1 > 0.0f ? static_cast<float>(std::pow(r1, aa)) : 0.0f;
    const float s2 = r2 - tr2 > 0.0f ? static_cast<float>(std::pow(r2, ab)) : 0.0f;
    s = s1 + s2;
  } while (!(s <= 1.0f && s != 0.0f));
  const float z = s1 / s;
  const float r3 = RandomUniform(seed);
  return static_cast<float>(-z * LogFloored(r3) * BETA[month] * RainFactor[month]);
}

}  // namespace kelvaro
