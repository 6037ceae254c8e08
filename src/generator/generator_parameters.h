#pragma once

#include <array>

#include "generator/simulate_year.h"
#include "generator/units.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

using TwelveMonths = std::array<MonthlyMeans, 12>;

// Rain-chain and wind parameters of each month, with the yearly means of the wet-day
// probabilities that split temperature and radiation into wet and dry days.
struct RainAndWindParameters {
  MonthlyGeneratorParameters monthly;
  float PWbar = 0.0f;   // mean fraction of wet days
  float PWDbar = 0.0f;  // mean probability of a wet day after a dry day
};

// From monthly means (oC, MJ/m^2, m/s, mm per month, rain days per month). A month without
// rain gets a mean rain per wet day of 0.001 mm, so its gamma shape is small but not 0.
RainAndWindParameters RainAndWindFromMeans(const TwelveMonths& means);

// How monthly means enter the working units: the MJ to langley factor of every radiation
// conversion, and whether the second temperature process (the TMin slot) is a temperature in
// oF or a series taken as it is (the ETo of the rain-and-ETo simulation).
struct ProcessUnits {
  float langleys_per_megajoule = kLangleysPerMegajoule;
  bool tmin_in_fahrenheit = true;
};

// Seasonal means and standard deviations of each day in the working units, and RsoMax, for a
// station at `latitude_deg` (signed degrees). TMin follows the phase of TMax and takes the
// TMin CV relations whatever its units.
DailyGeneratorParameters DailyParametersFromMeans(const TwelveMonths& means,
                                                  const RainAndWindParameters& rain,
                                                  float latitude_deg, ProcessUnits units = {});

// Clear-sky upper bound of radiation (langleys per day) on day of year `doy`.
float RsoMaxOfDay(int doy, float latitude_deg);

}  // namespace kelvaro
