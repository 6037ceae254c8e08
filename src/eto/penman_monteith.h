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

// Extraterrestrial (Ra) and clear-sky (Rso) radiation of a day of the year, MJ/m^2 per day.
struct DayRadiation {
  float ra = 0.0f;
  float rso = 0.0f;
};

DayRadiation ExtraterrestrialRadiation(int doy, const Site& site, float pi);

// One day's grass reference ET with the radiation terms worth checking.
struct PenmanMonteithDay {
  float tmax = 0.0f;  // TMax after it was raised to TMin where it was lower
  float ra = 0.0f;    // extraterrestrial radiation, MJ/m^2 per day
  float rso = 0.0f;   // clear-sky radiation, MJ/m^2 per day
  float eto = 0.0f;   // mm per day; -999 when an input is missing
};

// Penman-Monteith for a short grass surface with soil heat flux 0. Uses day.doy, solar, tmax,
// tmin, wind (at 2 m), td and pcp.
PenmanMonteithDay DailyReferenceEt(const WeatherDay& day, const Site& site, float pi);

}  // namespace kelvaro
