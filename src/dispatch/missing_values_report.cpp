#include "dispatch/missing_values_report.h"

#include <array>

#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

struct MissingCounts {
  int days = 0;
  int eto = 0;
  int pcp = 0;
  std::array<int, 12> month_days{};
  std::array<int, 12> month_eto{};
};

MissingCounts CountMissing(const WorkingDailyFile& file) {
  MissingCounts counts;
  for (const WeatherDay& day : file.days) {
    ++counts.days;
    const bool in_calendar = day.month >= 1 && day.month <= 12;
    if (in_calendar) ++counts.month_days[day.month - 1];
    if (IsMissing(day.eto)) {
      ++counts.eto;
      if (in_calendar) ++counts.month_eto[day.month - 1];
    }
    if (IsMissing(day.pcp)) ++counts.pcp;
  }
  return counts;
}

// "4 of the 9862 days of MOHAV.wrk have", "1 of ... has".
std::string DaysOf(int count, const MissingCounts& counts, const std::string& file_name) {
  return std::to_string(count) + " of the " + std::to_string(counts.days) + " days of " +
         file_name + (count == 1 ? " has" : " have");
}

}  // namespace

std::vector<std::string> MissingValueWarnings(const WorkingDailyFile& file) {
  std::vector<std::string> warnings;
  const MissingCounts counts = CountMissing(file);
  if (counts.eto > 0) {
    warnings.push_back(DaysOf(counts.eto, counts, file.name) +
                       " no ETo (-999); the water balance used the ETo of the day before on "
                       "such days");
  }
  for (size_t m = 0; m < kMonthNames.size(); ++m) {
    if (counts.month_days[m] > 0 && counts.month_eto[m] == counts.month_days[m]) {
      warnings.push_back(std::string(kMonthNames[m]) + " has no ETo on any day of " + file.name +
                         "; check that month of the input file");
    }
  }
  if (counts.pcp > 0) {
    warnings.push_back(DaysOf(counts.pcp, counts, file.name) +
                       " no rain value (-999); the water balance counted such days as dry");
  }
  return warnings;
}

}  // namespace kelvaro
