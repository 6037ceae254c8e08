#include "stats/mean_day_eto.h"

#include <cmath>

#include "eto/hargreaves_samani.h"

namespace kelvaro {
namespace {

WeatherDay MeanDay(const std::array<float, kStatisticsColumnCount>& means, int doy) {
  WeatherDay day;
  day.doy = doy;
  day.solar = means[kSolar];
  day.tmax = means[kTMax];
  day.tmin = means[kTMin];
  day.wind = means[kWind];
  day.td = means[kTd];
  return day;
}

// A temperature-only value that is negative (a mean temperature below -17.8 oC) or not a number
// becomes 0.
float TemperatureOnlyEt(float tmax, float tmin, int doy, const Site& site) {
  return HargreavesSamani(doy, tmax, tmin, site.latitude_rad, kStatisticsPi, NegativeEt::kZero);
}

}  // namespace

std::optional<MeanDayEto> MeanDayReferenceEt(const std::array<float, kStatisticsColumnCount>& means,
                                             int doy, const Site& site) {
  const bool temperatures = means[kTMax] != 0.0f && means[kTMin] != 0.0f;
  if (temperatures && means[kSolar] != 0.0f && means[kWind] != 0.0f && means[kTd] != 0.0f) {
    return MeanDayEto{DailyReferenceEt(MeanDay(means, doy), site, kStatisticsPi).eto, kPenmanTrace};
  }
  if (temperatures) {
    return MeanDayEto{TemperatureOnlyEt(means[kTMax], means[kTMin], doy, site),
                      kTemperatureOnlyTrace};
  }
  return std::nullopt;
}

}  // namespace kelvaro
