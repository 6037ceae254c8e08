#include "generator/generator_parameters.h"

#include <algorithm>
#include <cmath>

#include "generator/units.h"
#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

constexpr int kYearWithoutLeapDay = 1;  // February of 28 days for the wet-day fraction
constexpr float kRadiansPerDay = 0.0172f;
constexpr float kTropicLatitude = 23.5f;  // degrees; inside it radiation follows the months
constexpr float kLowestCv = 0.06f;

template <typename Field>
MonthlyValues Column(const TwelveMonths& means, Field field) {
  MonthlyValues values{};
  for (size_t m = 0; m < 12; ++m) values[m] = field(means[m]);
  return values;
}

// CVs from the empirical relations can be far too large; bring them below 1 in steps.
float ReducedCv(float cv) {
  if (std::fabs(cv) <= 1.0f) return cv;
  return cv * (std::fabs(cv) > 10.0f ? 0.01f : 0.1f);
}

struct SeasonalCurve {
  float mean = 0.0f;
  float amplitude = 0.0f;
  float peak_day = 0.0f;
  float cv_mean = 0.0f;
  float cv_amplitude = 0.0f;  // never positive
};

// Fit of a temperature in oF; the amplitude is kept in whole degrees.
SeasonalCurve TemperatureCurve(const MonthlyValues& fahrenheit) {
  const HarmonicFit fit = FirstHarmonicFit(fahrenheit);
  return {fit.mean, std::fabs(std::trunc(fit.amplitude)), fit.peak_day, 0.0f, 0.0f};
}

void SetCvs(SeasonalCurve& curve, float cv_mean, float cv_amplitude) {
  curve.cv_mean = ReducedCv(cv_mean);
  curve.cv_amplitude = -std::fabs(ReducedCv(cv_amplitude));
}

float NonNegativeCv(float cv) { return cv < 0.0f ? kLowestCv : cv; }

}  // namespace

RainAndWindParameters RainAndWindFromMeans(const TwelveMonths& means) {
  RainAndWindParameters result;
  MonthlyGeneratorParameters& p = result.monthly;
  const auto month_lengths = DayNum(kYearWithoutLeapDay);
  for (size_t m = 0; m < 12; ++m) {
    const MonthlyMeans& month = means[m];
    const float pw = month.nrd / static_cast<float>(month_lengths[m]);
    const float nrd = month.nrd == 0.0f ? 0.001f : month.nrd;
    float rain_per_wet_day = month.pcp / nrd;
    if (rain_per_wet_day == 0.0f) rain_per_wet_day = 0.001f;
    p.PWD[m] = 0.75f * pw;
    p.PWW[m] = p.PWD[m] + 0.25f;
    p.BETA[m] = std::max(1.83f * rain_per_wet_day - 2.16f, 1.1f);
    p.ALPHA[m] = rain_per_wet_day / p.BETA[m];
    p.RainFactor[m] = 1.0f;
    p.TMaxShift[m] = 0.0f;
    p.TMinShift[m] = 0.0f;
    const float wind = month.wind;
    p.wind_scale[m] = IsMissing(wind) ? kMissing : 1.32366f * wind - 0.7703f;
    p.wind_shape[m] = IsMissing(wind)
                          ? kMissing
                          : std::max(1.1354f * wind - 0.6065f - 0.18185f * wind * wind, 0.7f);
    result.PWbar += pw * (1.0f / 12.0f);
    result.PWDbar += p.PWD[m] * (1.0f / 12.0f);
  }
  return result;
}

float RsoMaxOfDay(int doy, float latitude_deg) {
  const double phi = latitude_deg * 6.2832 / 360.0;
  const double t = doy;
  const double declination = 0.4102 * std::sin(kRadiansPerDay * (t - 80.25));
  const double sunset = std::acos(std::clamp(-std::tan(phi) * std::tan(declination), -1.0, 1.0));
  const double dr = 1.0 + 0.0335 * std::sin(kRadiansPerDay * (t + 88.2));
  return static_cast<float>((sunset * std::sin(phi) * std::sin(declination) +
                             std::cos(phi) * std::cos(declination) * std::sin(sunset)) *
                            889.2305 * 0.8 * dr);
}

DailyGeneratorParameters DailyParametersFromMeans(const TwelveMonths& means,
                                                  const RainAndWindParameters& rain,
                                                  float latitude_deg, ProcessUnits units) {
  SeasonalCurve tx = TemperatureCurve(
      Column(means, [](const MonthlyMeans& m) { return FahrenheitOrMissing(m.tmax); }));
  SeasonalCurve tn = TemperatureCurve(Column(means, [&](const MonthlyMeans& m) {
    return units.tmin_in_fahrenheit ? FahrenheitOrMissing(m.tmin) : m.tmin;
  }));
  SeasonalCurve td = TemperatureCurve(
      Column(means, [](const MonthlyMeans& m) { return FahrenheitOrMissing(m.td); }));
  SetCvs(tx, 0.536f - 0.00573f * tx.mean, -std::exp(0.0952f * tx.amplitude - 4.63f));
  SetCvs(tn, std::exp(-0.0466f * tn.mean), -std::exp(0.146f * tn.amplitude - 4.64f));
  SetCvs(td, std::exp(-0.0466f * td.mean), -std::exp(0.146f * td.amplitude - 4.64f));

  const MonthlyValues solar_ly = Column(means, [&](const MonthlyMeans& m) {
    return LangleysOrMissing(m.solar, units.langleys_per_megajoule);
  });
  const HarmonicFit r = FirstHarmonicFit(solar_ly);
  const float r_amplitude = std::fabs(r.amplitude);

  const float dt = std::fabs(9.67f - 27.4f * rain.PWDbar);
  const float tx_dry = tx.mean + rain.PWbar * dt;
  const float tx_wet = tx.mean - (1.0f - rain.PWbar) * dt;
  const float dr = std::max(0.0f, 410.0f - 3.21f * std::fabs(latitude_deg) - 0.35f * r.mean);
  const float r_dry = r.mean + rain.PWbar * dr;
  const float r_wet = r.mean - (1.0f - rain.PWbar) * dr;

  DailyGeneratorParameters daily;
  for (size_t d = 0; d < kMaxDaysInYear; ++d) {
    const auto t = static_cast<float>(d + 1);
    const float c1 = std::cos(kRadiansPerDay * (t - tx.peak_day));
    const float cv_x = NonNegativeCv(tx.cv_amplitude * c1 + tx.cv_mean);
    daily.tmax_dry_mean[d] = tx.amplitude * c1 + tx_dry;
    daily.tmax_dry_sd[d] = daily.tmax_dry_mean[d] * cv_x;
    daily.tmax_wet_mean[d] = daily.tmax_dry_mean[d] - (tx_dry - tx_wet);
    daily.tmax_wet_sd[d] = daily.tmax_wet_mean[d] * cv_x;
    // TMin follows the phase of TMax.
    daily.tmin_mean[d] = tn.amplitude * c1 + tn.mean;
    daily.tmin_sd[d] = daily.tmin_mean[d] * NonNegativeCv(tn.cv_amplitude * c1 + tn.cv_mean);

    const float c2 = std::cos(kRadiansPerDay * (t - r.peak_day));
    daily.solar_dry_mean[d] = r_amplitude * c2 + r_dry;
    daily.solar_dry_sd[d] = daily.solar_dry_mean[d] * NonNegativeCv(-0.08f * c2 + 0.24f);
    daily.solar_wet_mean[d] = daily.solar_dry_mean[d] - (r_dry - r_wet);
    daily.solar_wet_sd[d] = daily.solar_wet_mean[d] * NonNegativeCv(-0.13f * c2 + 0.48f);

    const float c3 = std::cos(kRadiansPerDay * (t - td.peak_day));
    daily.td_mean[d] = td.amplitude * c3 + td.mean;
    daily.td_sd[d] = daily.td_mean[d] * NonNegativeCv(td.cv_amplitude * c3 + td.cv_mean);
    daily.RsoMax[d] = RsoMaxOfDay(static_cast<int>(d + 1), latitude_deg);
  }
  if (std::fabs(latitude_deg) < kTropicLatitude) {
    const DailyValues monthly_solar = MonthlyToDailyLinear(solar_ly, /*normal_year=*/false);
    daily.solar_dry_mean = monthly_solar;
    daily.solar_wet_mean = monthly_solar;
  }
  return daily;
}

}  // namespace kelvaro
