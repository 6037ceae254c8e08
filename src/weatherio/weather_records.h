#pragma once

#include <array>
#include <string>

namespace kelvaro {

// One day of weather, columns in file order. Units: MJ/m^2 per day, oC, m/s at 2 m, mm.
struct WeatherDay {
  std::string year_text;  // the Year field exactly as read; some writers copy it unconverted
  int year = 0;
  int month = 0;
  int day = 0;
  int doy = 0;
  float solar = 0.0f;
  float tmax = 0.0f;
  float tmin = 0.0f;
  float wind = 0.0f;
  float td = 0.0f;
  float pcp = 0.0f;
  float eto = 0.0f;  // absent in raw inputs
};

// One month of the twelve-row monthly means: daily means of Solar..Td, the mean monthly rain
// total, the mean number of rain days, mean daily pan evaporation and (in the ETo kinds) ETo.
struct MonthlyMeans {
  int month = 0;
  float solar = 0.0f;
  float tmax = 0.0f;
  float tmin = 0.0f;
  float wind = 0.0f;
  float td = 0.0f;
  float pcp = 0.0f;
  float nrd = 0.0f;
  float pan = 0.0f;
  float eto = 0.0f;
};

// Physical constants shared by the solar-geometry and Penman-Monteith steps.
inline constexpr float kSolarConstant = 0.082f;     // MJ m^-2 min^-1
inline constexpr float kStefanBoltzmann = 4.9e-9f;  // MJ K^-4 m^-2 per day
inline constexpr float kLatentHeat = 2.45f;         // MJ/kg
inline constexpr float kAlbedo = 0.23f;             // grass reference surface

}  // namespace kelvaro
