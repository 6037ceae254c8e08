#pragma once

#include "weatherio/weather_records.h"

namespace kelvaro {

// What a station contributes to every day's reference ET.
struct Site {
  float latitude_rad = 0.0f;
  float elevation_m = 0.0f;
  float pressure_kpa = 0.0f;       // atmospheric pressure at the elevation
  float psychrometric_kpa = 0.0f;  // psychrometric constant, kPa/oC
};

// Cloudiness factor of the net long-wave loss from Rs/Rso, held within 0..1. Where there is no
// clear-sky radiation (Rso <= 0, polar night) the ratio has no meaning and the factor is 0, the
// value the formula reaches for any negative Rso.
float CloudinessFactor(float solar, float rso);

Site MakeSite(float latitude_deg, float elevation_m, float pi);

// The weather of one day, or of a month's or a year-day's mean day.
struct ReferenceEtWeather {
  int doy = 0;                   // day of year of the solar geometry
  float solar_mj_per_m2 = 0.0f;  // per day
  float tmax = 0.0f;             // oC
  float tmin = 0.0f;             // oC
  float wind_m_per_s = 0.0f;     // at 2 m
  float td = 0.0f;               // mean dew point, oC
};

// Where the operations that compute Penman-Monteith differ.
struct PenmanMonteithOptions {
  float pi = 0.0f;  // pi of the solar geometry (the session's, or the statistics' own)
  // Daily weather holds f within 0..1; monthly means use 1.35 Rs/Rso - 0.35 as it comes.
  bool limit_cloudiness = true;
  float soil_heat_flux = 0.0f;  // G, MJ/m^2 per day
};

// One day's grass reference ET with the radiation terms worth checking.
struct PenmanMonteithDay {
  float tmax = 0.0f;  // TMax after it was raised to TMin where it was lower
  float ra = 0.0f;    // extraterrestrial radiation, MJ/m^2 per day
  float rso = 0.0f;   // clear-sky radiation, MJ/m^2 per day
  float eto = 0.0f;   // mm per day; -999 when an input is missing
};

// Penman-Monteith for a short grass surface, with the inputs exactly as given (no TMax
// correction, no missing-value test). ETo is -999 where the result is not a finite number (an
// unlimited cloudiness factor with Rso = 0).
PenmanMonteithDay ReferenceEt(const ReferenceEtWeather& weather, const Site& site,
                              const PenmanMonteithOptions& options);

// The daily equation of raw and generated weather: TMax raised to TMin where it is lower,
// f within 0..1, G = 0, and ETo -999 when Solar, TMax, TMin, Wind, Td or Pcp is missing.
PenmanMonteithDay DailyReferenceEt(const WeatherDay& day, const Site& site, float pi);

}  // namespace kelvaro
