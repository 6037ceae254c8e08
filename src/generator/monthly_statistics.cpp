#include "generator/monthly_statistics.h"

#include <cmath>

#include "generator/check.h"
#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr float kZeroRainMean = 0.0001f;
constexpr QuantitySet kMonthlyTotals = Quantities({kPcp, kNrd});

}  // namespace

MonthRows MonthlyValuesOfYear(const std::vector<DayValues>& days) {
  const int day_count = static_cast<int>(days.size());
  // Simulated years are numbered from 1, so any year number with the right February will do.
  const auto month_lengths = DayNum(day_count == kMaxDaysInYear ? 4 : 1);
  const auto& month_ends = MonthEndDays(day_count);
  MonthRows rows{};
  size_t month = 0;
  for (size_t d = 0; d < days.size(); ++d) {
    while (month < 11 && static_cast<int>(d) >= month_ends[month]) ++month;
    for (size_t q = 0; q < kQuantityCount; ++q) rows[month][q] += days[d][q];
  }
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      if (!Holds(kMonthlyTotals, q)) rows[m][q] /= static_cast<float>(month_lengths[m]);
    }
  }
  return rows;
}

void MonthlyStatistics::AddYear(const MonthRows& year) {
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) sums_[m][q] += year[m][q];
  }
  years_.push_back(year);
}

MonthRows MonthlyStatistics::Means() const {
  Check(years() > 1, kYearCountCheck);
  MonthRows means{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q)
      means[m][q] = sums_[m][q] / static_cast<float>(years());
  }
  return means;
}

MonthRows MonthlyStatistics::StandardDeviations() const {
  Check(years() > 1, kYearCountCheck);
  const auto n = static_cast<double>(years());
  MonthRows sds{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      double sum = 0.0;
      for (const MonthRows& year : years_) sum += year[m][q];
      const double mean = sum / n;
      double squares = 0.0;
      for (const MonthRows& year : years_) {
        const double deviation = year[m][q] - mean;
        squares += deviation * deviation;
      }
      sds[m][q] = static_cast<float>(std::sqrt(squares / n));
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

MonthRows OnlyReported(MonthRows rows, QuantitySet reported) {
  for (QuantityRow& row : rows) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      if (!Holds(reported, q)) row[q] = kMissing;
    }
  }
  return rows;
}

std::string StatisticsRows(const MonthRows& rows, bool with_eto) {
  std::string text;
  for (size_t m = 0; m < 12; ++m) {
    const QuantityRow& r = rows[m];
    text += Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f", static_cast<int>(m + 1),
                   r[kSolar], r[kTMax], r[kTMin], r[kWind], r[kTd], r[kPcp], r[kNrd], kMissing);
    text += with_eto ? Printf(",%8.2f\n", r[kEto]) : "\n";
  }
  return text;
}

}  // namespace kelvaro
