#pragma once

#include "balance/year_day_table.h"
#include "weatherio/weather_records.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {

// Share of the potential that a wet surface evaporates; it falls as the mean daily ETo (mm)
// since wetting grows.
float EvaporationFactor(float mean_eto_mm);

// Cumulative evaporation (mm) from a soil surface wetted `potential_mm` of evaporative demand
// ago: all of it while the surface is wet, then 2.6 mm times the square root of it.
float CumulativeEvaporation(float potential_mm);

// What the bare-soil evaporation carries from one day to the next: one sequence over the whole
// working file, not restarted at year ends.
struct BareSoilState {
  int days_since_wetting = 1;
  float eto_since_wetting_mm = 0.0f;
  float evaporation_mm = 0.0f;  // cumulative evaporation up to the day before
  float previous_eto_mm = 0.0f;
};

// One day of the working file, in file order: stores its ETo (a non-positive ETo replaced by the
// previous day's), its rain (-999 taken as 0) and its bare-soil coefficient OKc in `table` at
// (year index, DOY). The day's year must be within the table.
void AccumulateBareSoilEvaporation(const WeatherDay& day, BareSoilState& state,
                                   YearDayTable& table);

// ETo, rain and the bare-soil coefficient of every day of a working file that holds at least one
// day, with the length of each year.
YearDayTable BalanceWeatherTable(const WorkingDailyFile& file);

}  // namespace kelvaro
