#pragma once

#include <array>
#include <string>
#include <vector>

#include "generator/simulate_year.h"

namespace kelvaro {

// The quantities of a monthly statistics row, in column order after Mon (Pan follows, always
// -999, and ETo in the layouts that carry it). Solar MJ/m^2, temperatures oC, Wind m/s and ETo
// mm are daily means; Pcp mm and NRD are monthly totals.
enum Quantity : size_t { kSolar, kTMax, kTMin, kWind, kTd, kPcp, kNrd, kEto, kQuantityCount };
using QuantityRow = std::array<float, kQuantityCount>;
using MonthRows = std::array<QuantityRow, 12>;

// A set of quantities, one bit each.
using QuantitySet = unsigned;
constexpr QuantitySet Quantities(std::initializer_list<Quantity> quantities) {
  QuantitySet set = 0;
  for (Quantity q : quantities) set |= 1u << q;
  return set;
}
constexpr bool Holds(QuantitySet set, size_t q) { return (set >> q & 1u) != 0; }
inline constexpr QuantitySet kWeatherQuantities =
    Quantities({kSolar, kTMax, kTMin, kWind, kTd, kPcp, kNrd});

// One simulated day in output units; its NRD is 1 on a rain day (at least 0.005 mm), else 0.
using DayValues = QuantityRow;
inline constexpr float kRainDayThreshold = 0.005f;  // mm

// A simulated year's days in output units reduced to monthly values: the daily means divided by
// the month's length in that year (February 29 days in a 366-day year), Pcp and NRD totals.
MonthRows MonthlyValuesOfYear(const std::vector<DayValues>& days);

// The yearly monthly values of the simulated years, for their means and deviations.
class MonthlyStatistics {
 public:
  void AddYear(const MonthRows& year);
  int years() const { return static_cast<int>(years_.size()); }
  MonthRows Means() const;
  // Population standard deviations (divided by the number of years) about the mean, summed in
  // double precision: a series that is the same every year gives exactly 0.
  MonthRows StandardDeviations() const;

 private:
  MonthRows sums_{};
  std::vector<MonthRows> years_;
};

// sd / mean, with a mean Pcp or NRD of 0 taken as 0.0001; -999 where another mean is 0.
MonthRows CoefficientsOfVariation(const MonthRows& means, const MonthRows& sds);

// The rows with -999 in every quantity outside `reported`.
MonthRows OnlyReported(MonthRows rows, QuantitySet reported);

// Twelve rows " Mon, Solar, TMax, TMin, Wind, Td, Pcp, NRD, Pan" and, `with_eto`, ETo.
std::string StatisticsRows(const MonthRows& rows, bool with_eto = false);

inline constexpr const char* kMeansTitle =
    " Monthly mean  values of %5s,Number of simulated years=%2d\n";
inline constexpr const char* kStdDevTitle =
    " Monthly StDev values of %5s,Number of simulated years=%2d\n";
inline constexpr const char* kCvTitle = " monthly CV values of %5s,Number of simulated years=%2d\n";
inline constexpr const char* kStatisticsColumns =
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan\n"
    "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm \n";

}  // namespace kelvaro
