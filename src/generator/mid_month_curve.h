#pragma once

#include <optional>
#include <vector>

#include "generator/seasonal_curves.h"

namespace kelvaro {

// A cubic spline through (x, y) nodes, x increasing: second derivative 0 at the first node,
// slope 0 at the last.
class CubicSpline {
 public:
  CubicSpline(std::vector<float> x, std::vector<float> y);
  float operator()(float t) const;

 private:
  std::vector<float> x_;
  std::vector<float> y_;
  std::vector<float> y2_;  // second derivatives at the nodes
};

// A smooth daily curve through a year's twelve monthly means (a simulated year's wind, a
// recorded year's ETo), placed on mid-month days and wrapped round the year end. Days of months
// whose mean is missing are -999; the curve runs through the other months only, and never below
// 0.
class MidMonthCurve {
 public:
  explicit MidMonthCurve(const MonthlyValues& monthly);
  float AtDay(int doy, int month) const;  // month 1..12
  // The curve at a day of any month, bridging missing months; -999 when every month is missing.
  float Across(int doy) const;

 private:
  MonthlyValues monthly_;
  std::optional<CubicSpline> spline_;  // none when every month is missing
};

}  // namespace kelvaro
