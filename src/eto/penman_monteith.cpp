#include "eto/penman_monteith.h"

#include <cmath>

#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

float SaturationVapourPressure(float temperature_c) {
  return static_cast<float>(0.6108 * std::exp(17.27 * temperature_c / (temperature_c + 237.3)));
}

// Sunset hour angle. Where the sun never sets or never rises (|x| >= 1) the day is treated as
// twelve hours long, as stored results expect.
float SunsetHourAngle(float latitude_rad, float declination, float pi) {
  const float x = static_cast<float>(-std::tan(latitude_rad) * std::tan(declination));
  if (x * x >= 1.0f) return pi * 0.5f;
  return static_cast<float>(pi * 0.5 - std::atan(x / std::sqrt(1.0 - x * x)));
}

}  // namespace

DayRadiation ExtraterrestrialRadiation(int doy, const Site& site, float pi) {
  const double angle = 2.0 * pi * (1.0 / 365) * doy;  // 365 also in leap years
  const float dr = static_cast<float>(1 + 0.033 * std::cos(angle));
  const float declination = static_cast<float>(0.409 * std::sin(angle - 1.39));
  const float sunset = SunsetHourAngle(site.latitude_rad, declination, pi);
  const double phi = site.latitude_rad;
  DayRadiation radiation;
  radiation.ra = static_cast<float>((1440 / pi) * kSolarConstant * dr *
                                    (sunset * std::sin(phi) * std::sin(declination) +
                                     std::cos(phi) * std::cos(declination) * std::sin(sunset)));
  radiation.rso = static_cast<float>((2e-5 * site.elevation_m + 0.75) * radiation.ra);
  return radiation;
}

namespace {

bool AnyMissing(const WeatherDay& day, float tmax) {
  return IsMissing(day.solar) || IsMissing(tmax) || IsMissing(day.tmin) || IsMissing(day.wind) ||
         IsMissing(day.pcp) || IsMissing(day.td);
}

}  // namespace

float CloudinessFactor(float solar, float rso) {
  if (!(rso > 0.0f)) return 0.0f;
  float f = static_cast<float>(1.35 * solar / rso - 0.35);
  if (f > 1.0f) f = 1.0f;
  if (f < 0.0f) f = 0.0f;
  return f;
}

Site MakeSite(float latitude_deg, float elevation_m, float pi) {
  Site site;
  site.latitude_rad = static_cast<float>(pi * latitude_deg * (1.0 / 180));
  site.elevation_m = elevation_m;
  site.pressure_kpa =
      static_cast<float>(101.3 * std::pow((293 - 0.0065 * elevation_m) * (1.0 / 293), 5.26));
  site.psychrometric_kpa = static_cast<float>(0.00163 * site.pressure_kpa / kLatentHeat);
  return site;
}

PenmanMonteithDay DailyReferenceEt(const WeatherDay& day, const Site& site, float pi) {
  PenmanMonteithDay result;
  const float tmax = day.tmax < day.tmin ? day.tmin : day.tmax;
  const float tmin = day.tmin;
  const float u = day.wind;
  result.tmax = tmax;

  const float tmean = (tmax + tmin) * 0.5f;
  const float ea = SaturationVapourPressure(day.td);
  const DayRadiation radiation = ExtraterrestrialRadiation(day.doy, site, pi);
  result.ra = radiation.ra;
  result.rso = radiation.rso;

  const float rns = (1 - kAlbedo) * day.solar;
  const float f = CloudinessFactor(day.solar, radiation.rso);
  const float es = (SaturationVapourPressure(tmax) + SaturationVapourPressure(tmin)) * 0.5f;
  const float emissivity = static_cast<float>(0.34 - 0.14 * std::sqrt(ea));
  const float rnl = static_cast<float>((std::pow(tmin + 273.15, 4) + std::pow(tmax + 273.15, 4)) *
                                       0.5 * (-f * emissivity * kStefanBoltzmann));
  const float rn = rns + rnl;
  const float soil_heat = 0.0f;
  // 4099 rather than the textbook 4098: stored results depend on it.
  const float slope =
      static_cast<float>(SaturationVapourPressure(tmean) * 4099 / std::pow(tmean + 237.3, 2));
  const float gamma = site.psychrometric_kpa;
  const float denominator = static_cast<float>(slope + (0.34 * u + 1) * gamma);
  const float eto = static_cast<float>(0.408 * slope * (rn - soil_heat) / denominator +
                                       u * (gamma * 900 / (tmean + 273)) * (es - ea) / denominator);

  result.eto = AnyMissing(day, tmax) || !std::isfinite(eto) ? kMissing : eto;
  return result;
}

}  // namespace kelvaro
