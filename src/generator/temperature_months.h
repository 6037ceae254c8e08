#pragma once

#include <array>
#include <string>
#include <vector>

#include "eto/hargreaves_samani.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/daily_temperature_file.h"
#include "weatherio/text_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// A day of a daily temperature file after its rules: TMax raised to TMin where it is lower
// (before the missing-value test, so a missing TMax with a TMin present becomes that TMin).
WeatherDay WithTmaxRaised(WeatherDay day);

// A day enters the monthly means only with TMax, TMin and Pcp all present.
bool IsCounted(const WeatherDay& day);

// Where the daily Hargreaves-Samani ETo of a temperature file is computed (J = the file's day
// of year), never below 0.
struct HargreavesSite {
  float latitude_rad = 0.0f;
  float pi = 0.0f;
  float Eto(const WeatherDay& day) const {
    return HargreavesSamani(day.doy, day.tmax, day.tmin, latitude_rad, pi, NegativeEt::kZero);
  }
};

// The site of the run's latitude, with pi = 3.1415 (the operations switch the session to it
// once their input has passed).
HargreavesSite HargreavesSiteOf(const RunParameters& run);

// Sums of the counted days of each month (index = the row's Mon - 1).
struct MonthSums {
  float tmax = 0.0f;
  float tmin = 0.0f;
  float pcp = 0.0f;
  float eto = 0.0f;
  int days = 0;
  int rain_days = 0;
};
using TwelveMonthSums = std::array<MonthSums, 12>;

// sum / counted days, or -999 for a month without any counted day.
float MeanOrMissing(float sum, int days);

// The days of the run's input file (FileStem + "." + ext), or nothing after "Couldn't find
// <name>." was reported. Errors name the file and line.
std::optional<std::vector<WeatherDay>> ReadTemperatureDays(const RunParameters& run, DayOrder order,
                                                           Session& session);

}  // namespace kelvaro
