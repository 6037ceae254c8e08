#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "stats/statistics_rows.h"

namespace kelvaro {

enum class Statistic { kMean, kDeviation, kCv };
enum class StatisticsPeriod { kDayOfYear, kMonth };

// One of the six statistics files. The first line is a printf format taking the station name
// (upper case) and the year count.
struct StatisticsFileLayout {
  std::string_view ext;
  const char* first_line;
  std::string_view column_line;
  std::string_view unit_line;
  StatisticsPeriod period;
  Statistic statistic;
};

inline constexpr std::string_view kDailyColumns =
    "   DOY,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    ETo\n";
inline constexpr std::string_view kMonthlyMeanColumns =
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    ETo\n";
inline constexpr std::string_view kMonthlyColumns =
    "  Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    ETo\n";
inline constexpr std::string_view kMeanUnits =
    "    #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      mm \n";

inline constexpr std::array<StatisticsFileLayout, 6> kStatisticsFiles{{
    {"avg", " Daily Mean Values of %5s,Number of years=%2d\n", kDailyColumns, kMeanUnits,
     StatisticsPeriod::kDayOfYear, Statistic::kMean},
    {"sdv", " Daily StDev values of %5s,Number of years=%2d\n", kDailyColumns, "    # \n",
     StatisticsPeriod::kDayOfYear, Statistic::kDeviation},
    {"cov", " Daily CV Values of %5s,Number of years=%2d\n", kDailyColumns, "    # \n",
     StatisticsPeriod::kDayOfYear, Statistic::kCv},
    {"wxr", " monthly Mean Values of %5s,Number of years=%2d\n", kMonthlyMeanColumns, kMeanUnits,
     StatisticsPeriod::kMonth, Statistic::kMean},
    {"std", " Monthly StDev values of %5s,Number of years=%2d\n", kMonthlyColumns, "    # \n",
     StatisticsPeriod::kMonth, Statistic::kDeviation},
    {"cve", " Monthly CV Values of %5s,Number of years=%2d\n", kMonthlyColumns, "    #  \n",
     StatisticsPeriod::kMonth, Statistic::kCv},
}};

// " %4d,%8.2f,..." : the day or month, then Solar, TMax, TMin, Wind, Td, Pcp, ETo.
std::string StatisticsRowLine(const StatisticsRow& row, Statistic statistic);

// The whole text of one statistics file from its first line and its rows.
std::string StatisticsFileText(const StatisticsFileLayout& layout, const std::string& first_line,
                               const std::vector<StatisticsRow>& rows);

}  // namespace kelvaro
