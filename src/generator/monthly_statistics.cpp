#include "generator/monthly_statistics.h"

#include <cmath>

#include "generator/check.h"
#include "generator/units.h"
#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr float kRainDayThreshold = 0.005f;  // mm
constexpr float kZeroRainMean = 0.0001f;

}  // namespace

MonthRows MonthlyValuesOfYear(const SimulatedYear& year, int day_count) {
  // Simulated years are numbered from 1, so any year number with the right February will do.
  const auto month_lengths = DayNum(day_count == kMaxDaysInYear ? 4 : 1);
  const auto& month_ends = MonthEndDays(day_count);
  MonthRows rows{};
  size_t month = 0;
  for (size_t d = 0; d < static_cast<size_t>(day_count); ++d) {
    while (month < 11 && static_cast<int>(d) >= month_ends[month]) ++month;
    QuantityRow& row = rows[month];
    row[kSolar] += ToMegajoules(year.solar[d]);
    row[kTMax] += ToCelsius(year.tmax[d]);
    row[kTMin] += ToCelsius(year.tmin[d]);
    row[kWind] += year.wind[d];
    row[kTd] += ToCelsius(year.td[d]);
    row[kPcp] += year.pcp[d];
    if (year.pcp[d] >= kRainDayThreshold) row[kNrd] += 1.0f;
  }
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = kSolar; q <= kTd; ++q) rows[m][q] /= static_cast<float>(month_lengths[m]);
  }
  return rows;
}

void MonthlyStatistics::AddYear(const MonthRows& year) {
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      sums_[m][q] += year[m][q];
      squares_[m][q] += year[m][q] * year[m][q];
    }
  }
  ++years_;
}

MonthRows MonthlyStatistics::Means() const {
  Check(years_ > 1, kYearCountCheck);
  MonthRows means{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q)
      means[m][q] = sums_[m][q] / static_cast<float>(years_);
  }
  return means;
}

MonthRows MonthlyStatistics::StandardDeviations() const {
  Check(years_ > 1, kYearCountCheck);
  const auto n = static_cast<float>(years_);
  MonthRows sds{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      // Rounding can leave a tiny negative variance when every year has the same value.
      const float variance = (squares_[m][q] - sums_[m][q] * sums_[m][q] / n) / n;
      sds[m][q] = variance > 0.0f ? std::sqrt(variance) : 0.0f;
    }
  }
  return sds;
}

MonthRows CoefficientsOfVariation(const MonthRows& means, const MonthRows& sds) {
  MonthRows cvs{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      float mean = means[m][q];
      if ((q == kPcp || q == kNrd) && mean == 0.0f) mean = kZeroRainMean;
      cvs[m][q] = mean == 0.0f ? kMissing : sds[m][q] / mean;
    }
  }
  return cvs;
}

std::string StatisticsHeader(const char* title_format, const std::string& station, int years) {
  std::string header = Printf(title_format, station.c_str(), years);
  header +=
      "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan\n"
      "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm \n";
  return header;
}

std::string StatisticsRows(const MonthRows& rows) {
  std::string text;
  for (size_t m = 0; m < 12; ++m) {
    const QuantityRow& r = rows[m];
    text +=
        Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", static_cast<int>(m + 1),
               r[kSolar], r[kTMax], r[kTMin], r[kWind], r[kTd], r[kPcp], r[kNrd], kMissing);
  }
  return text;
}

}  // namespace kelvaro
