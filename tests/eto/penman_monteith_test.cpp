#include "eto/penman_monteith.h"

#include <gtest/gtest.h>

#include <cmath>

#include "eto/hargreaves_samani.h"
#include "session/session.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr float kPrinted = 0.005f;

WeatherDay WorkedDay() {
  WeatherDay day;
  day.doy = 266;
  day.solar = 19.3f;
  day.tmax = 30.1f;
  day.tmin = 14.0f;
  day.wind = 2.6f;
  day.td = 7.5f;
  day.pcp = 0.0f;
  return day;
}

TEST(PenmanMonteith, WorkedDayWithEitherPi) {
  for (float pi : {kStartPi, kShortPi}) {
    const Site site = MakeSite(38.5f, 18.5f, pi);
    const PenmanMonteithDay et = DailyReferenceEt(WorkedDay(), site, pi);
    EXPECT_NEAR(et.ra, 28.58f, kPrinted) << "pi " << pi;
    EXPECT_NEAR(et.rso, 21.44f, kPrinted) << "pi " << pi;
    EXPECT_EQ(Printf("%8.2f", et.eto), "    5.45") << "pi " << pi;
  }
}

TEST(PenmanMonteith, TMaxBelowTMinIsRaisedAndUsed) {
  const Site site = MakeSite(38.5f, 18.5f, kStartPi);
  WeatherDay day = WorkedDay();
  day.tmax = 10.0f;
  day.tmin = 12.0f;
  const PenmanMonteithDay raised = DailyReferenceEt(day, site, kStartPi);
  day.tmax = 12.0f;
  const PenmanMonteithDay equal = DailyReferenceEt(day, site, kStartPi);
  EXPECT_EQ(raised.tmax, 12.0f);
  EXPECT_EQ(raised.eto, equal.eto);
}

TEST(PenmanMonteith, MissingValues) {
  const Site site = MakeSite(38.5f, 18.5f, kStartPi);
  WeatherDay day = WorkedDay();
  day.pcp = kMissing;
  EXPECT_EQ(DailyReferenceEt(day, site, kStartPi).eto, kMissing);

  // A missing TMax is replaced by TMin before the test, so ETo is still computed.
  day = WorkedDay();
  day.tmax = kMissing;
  const PenmanMonteithDay et = DailyReferenceEt(day, site, kStartPi);
  EXPECT_EQ(et.tmax, day.tmin);
  EXPECT_NE(et.eto, kMissing);

  for (float WeatherDay::*field :
       {&WeatherDay::solar, &WeatherDay::tmin, &WeatherDay::wind, &WeatherDay::td}) {
    day = WorkedDay();
    day.*field = kMissing;
    EXPECT_EQ(DailyReferenceEt(day, site, kStartPi).eto, kMissing);
  }
  day = WorkedDay();
  day.pcp = -998.99f;
  EXPECT_NE(DailyReferenceEt(day, site, kStartPi).eto, kMissing);
}

TEST(PenmanMonteith, PolarDayAndNightUseTwelveHourDay) {
  // At 80 N in midsummer and midwinter |tan(phi) tan(delta)| >= 1: the hour angle is pi/2, so
  // Ra = (1440/pi) Gsc dr (pi/2 sin(phi) sin(delta) + cos(phi) cos(delta)).
  const float pi = kStartPi;
  const Site site = MakeSite(80.0f, 0.0f, pi);
  for (int doy : {172, 355}) {
    WeatherDay day = WorkedDay();
    day.doy = doy;
    const double angle = 2.0 * pi / 365 * doy;
    const double dr = 1 + 0.033 * std::cos(angle);
    const double delta = 0.409 * std::sin(angle - 1.39);
    const double phi = site.latitude_rad;
    const double expected =
        1440 / pi * 0.082 * dr *
        (pi / 2 * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta));
    const PenmanMonteithDay et = DailyReferenceEt(day, site, pi);
    EXPECT_NEAR(et.ra, expected, 1e-3) << "day " << doy;
  }
}

TEST(PenmanMonteith, CloudinessFactorStaysWithinZeroAndOne) {
  EXPECT_FLOAT_EQ(CloudinessFactor(19.3f, 21.44f), 1.35f * 19.3f / 21.44f - 0.35f);
  EXPECT_EQ(CloudinessFactor(30.0f, 20.0f), 1.0f);
  EXPECT_EQ(CloudinessFactor(1.0f, 20.0f), 0.0f);
  // No clear-sky radiation at all (polar night): 0, never NaN.
  EXPECT_EQ(CloudinessFactor(0.0f, 0.0f), 0.0f);
  EXPECT_EQ(CloudinessFactor(0.0f, -3.0f), 0.0f);
}

ReferenceEtWeather WorkedWeather() {
  const WeatherDay day = WorkedDay();
  return {day.doy, day.solar, day.tmax, day.tmin, day.wind, day.td};
}

TEST(PenmanMonteith, OptionsOfTheMonthlyMeans) {
  const Site site = MakeSite(38.5f, 18.5f, kStartPi);
  const float daily = ReferenceEt(WorkedWeather(), site, {kStartPi, true, 0.0f}).eto;
  EXPECT_EQ(daily, DailyReferenceEt(WorkedDay(), site, kStartPi).eto);
  // Rs/Rso = 0.9 keeps f below 1: the limits change nothing here.
  EXPECT_EQ(ReferenceEt(WorkedWeather(), site, {kStartPi, false, 0.0f}).eto, daily);
  // Rs above Rso: f is 1 with the limits and 1.54 without, a larger long-wave loss.
  ReferenceEtWeather bright = WorkedWeather();
  bright.solar_mj_per_m2 = 30.0f;
  EXPECT_LT(ReferenceEt(bright, site, {kStartPi, false, 0.0f}).eto,
            ReferenceEt(bright, site, {kStartPi, true, 0.0f}).eto);
  // Heat into the soil is energy the grass does not evaporate.
  EXPECT_LT(ReferenceEt(WorkedWeather(), site, {kStartPi, true, 1.0f}).eto, daily);
  EXPECT_GT(ReferenceEt(WorkedWeather(), site, {kStartPi, true, -1.0f}).eto, daily);
}

TEST(HargreavesSamani, WorkedDayAndNegativeValues) {
  const float latitude_rad = static_cast<float>(kShortPi * 38.5 / 180);
  // Ra 28.58 MJ/m^2 as in the Penman-Monteith worked day; 0.0023 Ra (22.05 + 17.8) sqrt(16.1)
  // / 2.45 = 4.29 mm.
  EXPECT_NEAR(HargreavesSamani(266, 30.1f, 14.0f, latitude_rad, kShortPi, NegativeEt::kKept),
              4.2898f, 1e-3f);
  const float cold_rad = static_cast<float>(kShortPi * 60 / 180);
  EXPECT_NEAR(HargreavesSamani(15, -20.0f, -30.0f, cold_rad, kShortPi, NegativeEt::kKept), -0.0696f,
              1e-3f);
  EXPECT_EQ(HargreavesSamani(15, -20.0f, -30.0f, cold_rad, kShortPi, NegativeEt::kZero), 0.0f);
  EXPECT_EQ(HargreavesSamani(15, 5.0f, 10.0f, cold_rad, kShortPi, NegativeEt::kZero), 0.0f);
}

}  // namespace
}  // namespace kelvaro
