#include "generator/simulation_recipe.h"

#include <algorithm>

#include "eto/hargreaves_samani.h"
#include "generator/units.h"

namespace kelvaro {

DayValues DayInOutputUnits(const SimulatedYear& year, size_t day_index,
                           const SimulationRecipe& recipe, const EtoSite& site) {
  const size_t d = day_index;
  DayValues day{};
  day[kSolar] = ToMegajoules(year.solar[d]);
  day[kTMax] = ToCelsius(year.tmax[d]);
  day[kTMin] = recipe.units.tmin_in_fahrenheit ? ToCelsius(year.tmin[d]) : year.tmin[d];
  day[kWind] = year.wind[d];
  day[kTd] = ToCelsius(year.td[d]);
  day[kPcp] = year.pcp[d];
  day[kNrd] = year.pcp[d] >= kRainDayThreshold ? 1.0f : 0.0f;
  switch (recipe.daily_eto) {
    case DailyEto::kNone:
      break;
    case DailyEto::kSecondProcess:
      // The simulated series can dip below 0 where ETo cannot; the months are rescaled after.
      day[kTMin] = std::max(day[kTMin], 0.0f);
      day[kEto] = day[kTMin];
      break;
    case DailyEto::kHargreaves:
      if (!IsMissing(year.tmax[d]) && !IsMissing(year.tmin[d])) {
        day[kEto] = HargreavesSamani(static_cast<int>(d), day[kTMax], day[kTMin], site.latitude_rad,
                                     site.pi, NegativeEt::kZero);
      }
      break;
  }
  return day;
}

float MonthValue(const MonthlyMeans& month, size_t quantity) {
  return MonthValue(const_cast<MonthlyMeans&>(month), quantity);
}

float& MonthValue(MonthlyMeans& month, size_t quantity) {
  switch (quantity) {
    case kSolar:
      return month.solar;
    case kTMax:
      return month.tmax;
    case kTMin:
      return month.tmin;
    case kWind:
      return month.wind;
    case kTd:
      return month.td;
    case kPcp:
      return month.pcp;
    case kNrd:
      return month.nrd;
    default:
      return month.eto;
  }
}

}  // namespace kelvaro
