#include "eto/penman_monteith.h"

#include <cmath>

#include "eto/solar_geometry.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

float SaturationVapourPressure(float temperature_c) {
  return static_cast<float>(0.6108 * std::exp(17.27 * temperature_c / (temperature_c + 237.3)));
}

bool AnyMissing(const WeatherDay& day, float tmax) {
  return IsMissing(day.solar) || IsMissing(tmax) || IsMissing(day.tmin) || IsMissing(day.wind) ||
         IsMissing(day.pcp) || IsMissing(day.td);
}

}  // namespace

float CloudinessFactor(float solar, float rso) {
  if (!(rso > 0.0f)) return 0.0f;
  float f = static_cast<float>(1.35 * solar / rso - 0.35);
  if (f > 1.0f) f = 1.0f;
  if (!(f >= 0.0f)) f = 0.0f;
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

PenmanMonteithDay ReferenceEt(const ReferenceEtWeather& weather, const Site& site,
                              const PenmanMonteithOptions& options) {
  PenmanMonteithDay result;
  const float tmax = weather.tmax;
  const float tmin = weather.tmin;
  const float solar = weather.solar_mj_per_m2;
  const float u = weather.wind_m_per_s;
  result.tmax = tmax;

  const float tmean = (tmax + tmin) * 0.5f;
  const float ea = SaturationVapourPressure(weather.td);
  result.ra = ExtraterrestrialRadiation(weather.doy, site.latitude_rad, options.pi);
  result.rso = static_cast<float>((2e-5 * site.elevation_m + 0.75) * result.ra);

  const float rns = (1 - kAlbedo) * solar;
  const float f = options.limit_cloudiness ? CloudinessFactor(solar, result.rso)
                                           : static_cast<float>(1.35 * solar / result.rso - 0.35);
  const float es = (SaturationVapourPressure(tmax) + SaturationVapourPressure(tmin)) * 0.5f;
  const float emissivity = static_cast<float>(0.34 - 0.14 * std::sqrt(ea));
  const float rnl = static_cast<float>((std::pow(tmin + 273.15, 4) + std::pow(tmax + 273.15, 4)) *
                                       0.5 * (-f * emissivity * kStefanBoltzmann));
  const float rn = rns + rnl;
  // 4099 rather than the textbook 4098: stored results depend on it.
  const float slope =
      static_cast<float>(SaturationVapourPressure(tmean) * 4099 / std::pow(tmean + 237.3, 2));
  const float gamma = site.psychrometric_kpa;
  const float denominator = static_cast<float>(slope + (0.34 * u + 1) * gamma);
  const float eto = static_cast<float>(0.408 * slope * (rn - options.soil_heat_flux) / denominator +
                                       u * (gamma * 900 / (tmean + 273)) * (es - ea) / denominator);
  result.eto = std::isfinite(eto) ? eto : kMissing;
  return result;
}

PenmanMonteithDay DailyReferenceEt(const WeatherDay& day, const Site& site, float pi) {
  const float tmax = day.tmax < day.tmin ? day.tmin : day.tmax;
  const ReferenceEtWeather weather{day.doy, day.solar, tmax, day.tmin, day.wind, day.td};
  PenmanMonteithDay result = ReferenceEt(weather, site, {pi, true, 0.0f});
  if (AnyMissing(day, tmax)) result.eto = kMissing;
  return result;
}

}  // namespace kelvaro
