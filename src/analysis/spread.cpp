#include "analysis/spread.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const double rank = std::clamp(fraction, 0.0, 1.0) * static_cast<double>(values.size() - 1);
  const auto below = static_cast<size_t>(std::floor(rank));
  const size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (rank - static_cast<double>(below)) * (values[above] - values[below]);
}

Spread SpreadOf(const std::vector<double>& values) {
  return {Percentile(values, 0.0), Percentile(values, 0.1), Percentile(values, 0.5),
          Percentile(values, 0.9), Percentile(values, 1.0)};
}

}  // namespace kelvaro
