#include "generator/simulate_year.h"

#include <utility>

#include "generator/random_source.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

constexpr float kLowestSolarFraction = 0.05f;  // of RsoMax

// Today's residuals from yesterday's and four fresh normal deviates.
std::array<float, 4> NextResiduals(const std::array<float, 4>& previous,
                                   const std::array<float, 4>& deviates) {
  std::array<float, 4> next{};
  for (size_t i = 0; i < 4; ++i) {
    float sum = 0.0f;
    for (size_t j = 0; j < 4; ++j) sum += kResidualMatrixA[4 * j + i] * previous[j];
    for (size_t j = 0; j < 4; ++j) sum += kResidualMatrixB[4 * j + i] * deviates[j];
    next[i] = sum;
  }
  return next;
}

// A day's rain; `uniform` is the day's wind uniform, or a fresh draw in a
// month without wind (a fixed 0 there would make every day wet).
float DailyRain(float uniform, bool wind_drawn, bool was_wet, size_t month,
                MonthlyGeneratorParameters& monthly, RandomSeedState& seed) {
  if (!wind_drawn) uniform = RandomUniform(seed);
  const float probability = was_wet ? monthly.PWW[month] : monthly.PWD[month];
  if (uniform - probability > 0.0f) return 0.0f;
  return GammaRainAmount(seed, static_cast<int>(month), monthly.ALPHA, monthly.BETA,
                         monthly.RainFactor);
}

void SetTemperatures(size_t d, size_t month, bool wet, const std::array<float, 4>& x,
                     const MonthlyGeneratorParameters& monthly,
                     const DailyGeneratorParameters& daily, SimulatedYear& year) {
  const float mean_tmax = wet ? daily.tmax_wet_mean[d] : daily.tmax_dry_mean[d];
  const float sd_tmax = wet ? daily.tmax_wet_sd[d] : daily.tmax_dry_sd[d];
  float tmax = x[0] * sd_tmax + mean_tmax;
  float tmin = x[1] * daily.tmin_sd[d] + daily.tmin_mean[d];
  if (tmin > tmax) std::swap(tmin, tmax);
  year.tmax[d] = tmax + monthly.TMaxShift[month];
  year.tmin[d] = tmin + monthly.TMinShift[month];
}

void SetSolar(size_t d, bool wet, float residual, const DailyGeneratorParameters& daily,
              SimulatedYear& year) {
  const float mean = wet ? daily.solar_wet_mean[d] : daily.solar_dry_mean[d];
  const float sd = wet ? daily.solar_wet_sd[d] : daily.solar_dry_sd[d];
  float solar = residual * sd + mean;
  if (solar > daily.RsoMax[d]) {
    solar = daily.RsoMax[d];
    ++year.solar_clipped_high;
  } else if (solar < kLowestSolarFraction * daily.RsoMax[d]) {
    solar = kLowestSolarFraction * daily.RsoMax[d];
    ++year.solar_raised_low;
  }
  year.solar[d] = solar;
}

}  // namespace

void SimulateYearDays(int day_count, RainMode rain_mode, MonthlyGeneratorParameters& monthly,
                      const DailyGeneratorParameters& daily, Session& session,
                      SimulatedYear& year) {
  RandomSeedState& seed = session.random_seed;
  const auto& month_ends = MonthEndDays(day_count);
  size_t month = 0;
  bool was_wet = false;
  for (int day = 0; day < day_count; ++day) {
    while (month < 11 && month_ends[month] <= day) ++month;
    const auto d = static_cast<size_t>(day);

    const bool has_wind = monthly.wind_scale[month] > kMissing;
    float uniform = 0.0f;
    year.wind[d] = kMissing;
    if (has_wind) {
      uniform = RandomUniform(seed);
      year.wind[d] =
          WeibullWindFromUniform(uniform, monthly.wind_scale[month], monthly.wind_shape[month]);
    }
    if (rain_mode != RainMode::kKeep) {
      year.pcp[d] = DailyRain(uniform, has_wind, was_wet, month, monthly, seed);
    }
    was_wet = year.pcp[d] > 0.0f;

    std::array<float, 4> deviates{};
    for (float& deviate : deviates) deviate = NormalDeviate(seed);
    const auto x = NextResiduals(session.residuals.previous, deviates);
    session.residuals.previous = x;

    SetTemperatures(d, month, was_wet, x, monthly, daily, year);
    SetSolar(d, was_wet, x[2], daily, year);
    year.td[d] = daily.td_mean[d] > kMissing ? daily.td_mean[d] + x[3] * daily.td_sd[d] : kMissing;
  }
}

}  // namespace kelvaro
