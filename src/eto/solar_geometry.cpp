#include "eto/solar_geometry.h"

#include <cmath>

#include "weatherio/weather_records.h"

namespace kelvaro {
namespace {

float SunsetHourAngle(float latitude_rad, float declination, float pi) {
  const float x = static_cast<float>(-std::tan(latitude_rad) * std::tan(declination));
  if (x * x >= 1.0f) return pi * 0.5f;
  return static_cast<float>(pi * 0.5 - std::atan(x / std::sqrt(1.0 - x * x)));
}

}  // namespace

float ExtraterrestrialRadiation(int doy, float latitude_rad, float pi) {
  const double angle = 2.0 * pi * (1.0 / 365) * doy;
  const float dr = static_cast<float>(1 + 0.033 * std::cos(angle));
  const float declination = static_cast<float>(0.409 * std::sin(angle - 1.39));
  const float sunset = SunsetHourAngle(latitude_rad, declination, pi);
  const double phi = latitude_rad;
  return static_cast<float>((1440 / pi) * kSolarConstant * dr *
                            (sunset * std::sin(phi) * std::sin(declination) +
                             std::cos(phi) * std::cos(declination) * std::sin(sunset)));
}

}  // namespace kelvaro
