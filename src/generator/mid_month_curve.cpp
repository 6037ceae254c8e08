#include "generator/mid_month_curve.h"

#include <utility>

#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

// A node at each month's middle (kMidMonthDays); the end nodes at -14 and 380 carry the
// year-end value.
constexpr float kFirstNodeDay = -14.0f;
constexpr float kLastNodeDay = 380.0f;

}  // namespace

CubicSpline::CubicSpline(std::vector<float> x, std::vector<float> y)
    : x_(std::move(x)), y_(std::move(y)), y2_(x_.size(), 0.0f) {
  const size_t last = x_.size() - 1;
  std::vector<float> u(x_.size(), 0.0f);
  u[0] = 3.0f / (x_[1] - x_[0]) * ((y_[1] - y_[0]) / (x_[1] - x_[0]) - 0.0f);
  for (size_t i = 1; i < last; ++i) {
    const float sig = (x_[i] - x_[i - 1]) / (x_[i + 1] - x_[i - 1]);
    const float p = sig * y2_[i - 1] + 2.0f;
    y2_[i] = (sig - 1.0f) / p;
    u[i] = (6.0f *
                ((y_[i + 1] - y_[i]) / (x_[i + 1] - x_[i]) -
                 (y_[i] - y_[i - 1]) / (x_[i] - x_[i - 1])) /
                (x_[i + 1] - x_[i - 1]) -
            sig * u[i - 1]) /
           p;
  }
  const float qn = 0.5f;
  const float un = 3.0f / (x_[last] - x_[last - 1]) *
                   (0.0f - (y_[last] - y_[last - 1]) / (x_[last] - x_[last - 1]));
  y2_[last] = (un - qn * u[last - 1]) / (qn * y2_[last - 1] + 1.0f);
  for (size_t k = last - 1; k >= 1; --k) y2_[k] = y2_[k] * y2_[k + 1] + u[k];
}

float CubicSpline::operator()(float t) const {
  size_t klo = 0;
  size_t khi = x_.size() - 1;
  while (khi - klo > 1) {
    const size_t k = (khi + klo) / 2;
    if (x_[k] > t) {
      khi = k;
    } else {
      klo = k;
    }
  }
  const float h = x_[khi] - x_[klo];
  const float a = (x_[khi] - t) / h;
  const float b = (t - x_[klo]) / h;
  return a * y_[klo] + b * y_[khi] +
         ((a * a * a - a) * y2_[klo] + (b * b * b - b) * y2_[khi]) * (h * h) / 6.0f;
}

MidMonthCurve::MidMonthCurve(const MonthlyValues& monthly) : monthly_(monthly) {
  std::vector<float> x{kFirstNodeDay};
  std::vector<float> y{0.0f};
  for (size_t m = 0; m < 12; ++m) {
    if (IsMissing(monthly[m])) continue;
    x.push_back(static_cast<float>(kMidMonthDays[m]));
    y.push_back(monthly[m]);
  }
  if (x.size() == 1) return;
  const float year_end = (y[1] + y.back()) / 2.0f;
  y[0] = year_end;
  x.push_back(kLastNodeDay);
  y.push_back(year_end);
  spline_.emplace(std::move(x), std::move(y));
}

float MidMonthCurve::AtDay(int doy, int month) const {
  if (IsMissing(monthly_[static_cast<size_t>(month - 1)])) return kMissing;
  return Across(doy);
}

float MidMonthCurve::Across(int doy) const {
  if (!spline_) return kMissing;
  const float value = (*spline_)(static_cast<float>(doy));
  return value < 0.0f ? 0.0f : value;
}

}  // namespace kelvaro
