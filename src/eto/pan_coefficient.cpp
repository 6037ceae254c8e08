#include "eto/pan_coefficient.h"

#include <cmath>

namespace kelvaro {
namespace {

constexpr float kCeilingPan = 16.8f;  // mm of E Kp at which ETo reaches its ceiling
constexpr float kCeilingEto = 9.0f;   // mm

}  // namespace

float PanCoefficient(float fetch_m) {
  const double ln_f = std::log(fetch_m);
  return static_cast<float>(0.78 + 0.0658 * ln_f - 0.0041 * ln_f * ln_f);
}

float PanToETo(float pan_mm, float pan_coefficient, float pi) {
  const float corrected = pan_mm * pan_coefficient;
  if (corrected >= kCeilingPan) return kCeilingEto;
  return static_cast<float>(kCeilingEto * std::sin(corrected * (1 / 16.8) * pi * 0.5));
}

}  // namespace kelvaro
