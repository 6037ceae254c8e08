#include "generator/seasonal_curves.h"

#include <cmath>

#include "generator/check.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

constexpr double kTwoPi = 6.2832;  // the fit's own value, not M_PI
constexpr double kDaysPerCycle = 365.0;

}  // namespace

const std::array<int, 12>& MonthEndDays(int day_count) {
  return day_count == kMaxDaysInYear ? kMonthEndDaysLeap : kMonthEndDaysNormal;
}

HarmonicFit FirstHarmonicFit(std::span<const float> values) {
  double sum = 0.0;
  bool has_missing = false;
  for (const float value : values) {
    sum += value;
    has_missing = has_missing || IsMissing(value);
  }
  if (has_missing) return {kMissing, 0.0f, 0.0f};
  const auto NPTS = static_cast<int>(values.size());
  Check(NPTS > 0, kPointCountCheck);

  const auto mean = static_cast<float>(sum / NPTS);
  double sc = 0.0;
  double ss = 0.0;
  for (int j = 0; j < NPTS; ++j) {
    const double angle = kTwoPi * (j + 1) / NPTS;
    const double deviation = values[static_cast<size_t>(j)] - mean;
    sc += std::cos(angle) * deviation;
    ss += std::sin(angle) * deviation;
  }
  const auto a = static_cast<float>(2.0 / NPTS * sc);
  const auto b = static_cast<float>(2.0 / NPTS * ss);

  const double phase = std::atan2(-b, a);
  double peak = std::fmod(-(phase * kDaysPerCycle / kTwoPi + 15.0), kDaysPerCycle);
  if (peak < 0.0) peak += kDaysPerCycle;
  return {mean, static_cast<float>(std::sqrt(double{a} * a + double{b} * b)),
          static_cast<float>(peak)};
}

DailyValues MonthlyToDailyLinear(const MonthlyValues& monthly, bool normal_year) {
  const auto& mid = normal_year ? kMidMonthDaysNormal : kMidMonthDaysLeap;
  const int day_count = normal_year ? 365 : 366;
  constexpr float kDecemberToJanuary = 31.0f;  // days from mid-December to mid-January
  DailyValues daily{};
  size_t k = 0;
  for (int t = 1; t <= day_count; ++t) {
    if (k < 12 && t == mid[k] + 1) ++k;
    if (k > 11) k = 0;
    const auto day = static_cast<size_t>(t - 1);
    if (k >= 1) {
      const float length = static_cast<float>(mid[k] - mid[k - 1]);
      daily[day] = monthly[k - 1] +
                   (monthly[k] - monthly[k - 1]) * static_cast<float>(t - mid[k - 1]) / length;
    } else {
      const int days_since_mid_december = t <= mid[0] ? t + 16 : t - mid[11];
      daily[day] = monthly[11] + (monthly[0] - monthly[11]) *
                                     static_cast<float>(days_since_mid_december) /
                                     kDecemberToJanuary;
    }
  }
  return daily;
}

}  // namespace kelvaro
