#pragma once

#include <array>
#include <string>

#include "generator/simulate_year.h"

namespace kelvaro {

// The quantities of a monthly statistics row, in column order after Mon (Pan follows, always
// -999). Solar MJ/m^2, temperatures oC and Wind m/s are daily means; Pcp mm and NRD are
// monthly totals.
enum Quantity : size_t { kSolar, kTMax, kTMin, kWind, kTd, kPcp, kNrd, kQuantityCount };
using QuantityRow = std::array<float, kQuantityCount>;
using MonthRows = std::array<QuantityRow, 12>;

// A simulated year (oF, langleys) reduced to monthly values in output units. Days with at
// least 0.005 mm of rain are rain days.
MonthRows MonthlyValuesOfYear(const SimulatedYear& year, int day_count);

// Sums and sums of squares of the yearly monthly values over the simulated years.
class MonthlyStatistics {
 public:
  void AddYear(const MonthRows& year);
  int years() const { return years_; }
  MonthRows Means() const;
  // Population standard deviations (divided by the number of years), never negative.
  MonthRows StandardDeviations() const;

 private:
  MonthRows sums_{};
  MonthRows squares_{};
  int years_ = 0;
};

// sd / mean, with a mean Pcp or NRD of 0 taken as 0.0001; -999 where another mean is 0.
MonthRows CoefficientsOfVariation(const MonthRows& means, const MonthRows& sds);

// Title and column lines of .wxr, .std and .cve; `title_format` takes the station and the
// number of years.
std::string StatisticsHeader(const char* title_format, const std::string& station, int years);
std::string StatisticsRows(const MonthRows& rows);

inline constexpr const char* kMeansTitle =
    " Monthly mean  values of %5s,Number of simulated years=%2d\n";
inline constexpr const char* kStdDevTitle =
    " Monthly StDev values of %5s,Number of simulated years=%2d\n";
inline constexpr const char* kCvTitle = " monthly CV values of %5s,Number of simulated years=%2d\n";

}  // namespace kelvaro
