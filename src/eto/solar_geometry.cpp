#include "eto/solar_geometry.h"

#include <algorithm>
#include <cmath>

#include "weatherio/errors.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"
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

void CheckSolarWithinRa(float solar_mj_per_m2, int doy, float latitude_deg, float pi) {
  if (IsMissing(solar_mj_per_m2)) return;
  const float latitude_rad = static_cast<float>(pi * latitude_deg * (1.0 / 180));
  const float ra = std::max(ExtraterrestrialRadiation(doy, latitude_rad, pi), 0.0f);
  if (solar_mj_per_m2 <= ra) return;
  throw InputError(Printf(
      "Solar %g MJ/m^2 is above the day's extraterrestrial radiation, %.2f MJ/m^2 on DOY %d at "
      "latitude %g; check that Solar is in MJ/m^2 per day and the latitude is the station's",
      static_cast<double>(solar_mj_per_m2), static_cast<double>(ra), doy,
      static_cast<double>(latitude_deg)));
}

}  // namespace kelvaro
