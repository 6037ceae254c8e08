#include "eto/daily_eto_columns.h"

#include <string>

#include "eto/hargreaves_samani.h"
#include "eto/penman_monteith.h"
#include "eto/solar_geometry.h"
#include "session/session.h"
#include "weatherio/errors.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

void CheckLength(size_t length, size_t days, const char* column) {
  if (length != days) {
    throw InputError(std::string(column) + " holds " + std::to_string(length) +
                     " values where DOY holds " + std::to_string(days));
  }
}

void CheckDayRange(int doy, size_t index) {
  if (doy < 1 || doy > 366) {
    throw InputError("day " + std::to_string(index + 1) + ": DOY " + std::to_string(doy) +
                     " is outside 1..366");
  }
}

}  // namespace

void DailyPenmanMonteithEto(const DailyWeatherColumns& days, float latitude_deg, float elevation_m,
                            std::span<float> eto) {
  const size_t count = days.doy.size();
  CheckLength(days.solar.size(), count, "Solar");
  CheckLength(days.tmax.size(), count, "TMax");
  CheckLength(days.tmin.size(), count, "TMin");
  CheckLength(days.wind.size(), count, "Wind");
  CheckLength(days.td.size(), count, "Td");
  if (!days.pcp.empty()) CheckLength(days.pcp.size(), count, "Pcp");
  CheckLength(eto.size(), count, "ETo");
  const float pi = kStartPi;
  const Site site = MakeSite(latitude_deg, elevation_m, pi);
  WeatherDay day;
  for (size_t i = 0; i < count; ++i) {
    CheckDayRange(days.doy[i], i);
    day.doy = days.doy[i];
    day.solar = days.solar[i];
    day.tmax = days.tmax[i];
    day.tmin = days.tmin[i];
    day.wind = days.wind[i];
    day.td = days.td[i];
    day.pcp = days.pcp.empty() ? 0.0f : days.pcp[i];
    try {
      CheckSolarWithinRa(day.solar, day.doy, latitude_deg, pi);
    } catch (const InputError& error) {
      throw InputError("day " + std::to_string(i + 1) + ": " + error.what());
    }
    eto[i] = DailyReferenceEt(day, site, pi).eto;
  }
}

void DailyHargreavesEto(const DailyWeatherColumns& days, float latitude_deg, std::span<float> eto) {
  const size_t count = days.doy.size();
  CheckLength(days.tmax.size(), count, "TMax");
  CheckLength(days.tmin.size(), count, "TMin");
  CheckLength(eto.size(), count, "ETo");
  const float latitude_rad = latitude_deg * kShortPi / 180.0f;
  for (size_t i = 0; i < count; ++i) {
    CheckDayRange(days.doy[i], i);
    const float tmax = days.tmax[i];
    const float tmin = days.tmin[i];
    eto[i] =
        IsMissing(tmax) || IsMissing(tmin)
            ? kMissing
            : HargreavesSamani(days.doy[i], tmax, tmin, latitude_rad, kShortPi, NegativeEt::kZero);
  }
}

}  // namespace kelvaro
