#pragma once

#include <vector>

namespace kelvaro {

// How a yearly figure spreads over the years of a run, for budgeting a dry year as well as the
// mean one.
struct Spread {
  double min = 0.0;
  double p10 = 0.0;
  double p50 = 0.0;
  double p90 = 0.0;
  double max = 0.0;
};

// The `fraction` (0..1) quantile of `values`, interpolated linearly between the two nearest
// ranks (rank fraction x (n - 1) from 0), as spreadsheets' PERCENTILE does. 0 for no values.
double Percentile(std::vector<double> values, double fraction);

Spread SpreadOf(const std::vector<double>& values);

}  // namespace kelvaro
