#include "stats/mean_day_eto.h"

#include "eto/hargreaves_samani.h"

namespace kelvaro {
namespace {

ReferenceEtWeather MeanWeather(const std::array<float, kStatisticsColumnCount>& means, int doy) {
  ReferenceEtWeather weather;
  weather.doy = doy;
  weather.solar_mj_per_m2 = means[kSolar];
  weather.tmax = means[kTMax];
  weather.tmin = means[kTMin];
  weather.wind_m_per_s = means[kWind];
  weather.td = means[kTd];
  return weather;
}

}  // namespace

std::optional<MeanDayEto> MeanDayReferenceEt(const std::array<float, kStatisticsColumnCount>& means,
                                             int doy, const Site& site) {
  const bool temperatures = means[kTMax] != 0.0f && means[kTMin] != 0.0f;
  if (temperatures && means[kSolar] != 0.0f && means[kWind] != 0.0f && means[kTd] != 0.0f) {
    const PenmanMonteithOptions options{kStatisticsPi, true, 0.0f};
    return MeanDayEto{ReferenceEt(MeanWeather(means, doy), site, options).eto, kPenmanTrace};
  }
  if (temperatures) {
    // A value below zero (a mean temperature under -17.8 oC) or without a value becomes 0.
    return MeanDayEto{HargreavesSamani(doy, means[kTMax], means[kTMin], site.latitude_rad,
                                       kStatisticsPi, NegativeEt::kZero),
                      kTemperatureOnlyTrace};
  }
  return std::nullopt;
}

}  // namespace kelvaro
