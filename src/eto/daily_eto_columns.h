#pragma once

#include <span>

namespace kelvaro {

// Daily weather held as columns, one element per day, every column as long as `doy`.
// Units: MJ/m^2 per day, oC, m/s at 2 m; -999 marks a missing value.
struct DailyWeatherColumns {
  std::span<const int> doy;
  std::span<const float> solar;
  std::span<const float> tmax;
  std::span<const float> tmin;
  std::span<const float> wind;
  std::span<const float> td;
  // Optional (empty: none given): a day whose Pcp is missing gets no ETo, as in the files.
  std::span<const float> pcp;
};

// Penman-Monteith ETo of every day, exactly as the daily ETo operation writes it for measured
// daily weather (pi 4 atan(1), TMax raised to TMin where it is lower, -999 where an input is
// missing, Pcp too where given), into `eto`, which has one element per day. Refuses (InputError)
// columns of unequal length, a day of year outside 1..366 and a Solar above the day's
// extraterrestrial radiation, naming the day (counted from 1); `eto` is left unfinished then.
void DailyPenmanMonteithEto(const DailyWeatherColumns& days, float latitude_deg, float elevation_m,
                            std::span<float> eto);

// Hargreaves-Samani ETo of every day as the temperature operations compute a day's ETo (pi
// 3.1415, a negative value or TMax below TMin giving 0, -999 where TMax or TMin is missing).
// Only `doy`, `tmax` and `tmin` of `days` are read; refusals as DailyPenmanMonteithEto.
void DailyHargreavesEto(const DailyWeatherColumns& days, float latitude_deg, std::span<float> eto);

}  // namespace kelvaro
