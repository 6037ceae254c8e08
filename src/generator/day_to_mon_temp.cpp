#include "generator/day_to_mon_temp.h"

#include "eto/operation_files.h"
#include "generator/temperature_months.h"
#include "weatherio/letter_case.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kMtmColumns =
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan,    ETo\n"
    "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm,     mm \n";

TwelveMonthSums SumMonths(const std::vector<WeatherDay>& days, const HargreavesSite& site) {
  TwelveMonthSums sums{};
  for (const WeatherDay& read : days) {
    const WeatherDay day = WithTmaxRaised(read);
    if (!IsCounted(day)) continue;
    MonthSums& month = sums[static_cast<size_t>(day.month - 1)];
    month.tmax += day.tmax;
    month.tmin += day.tmin;
    month.pcp += day.pcp;
    ++month.days;
    if (2.0f * site.Eto(day) < day.pcp) ++month.rain_days;
  }
  return sums;
}

std::string MonthRow(int month, const MonthSums& sums, int years) {
  const auto per_year = [&](float total) {
    return sums.days == 0 ? kMissing : total / static_cast<float>(years);
  };
  return Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", month, kMissing,
                MeanOrMissing(sums.tmax, sums.days), MeanOrMissing(sums.tmin, sums.days), kMissing,
                kMissing, per_year(sums.pcp), per_year(static_cast<float>(sums.rain_days)),
                kMissing, kMissing);
}

}  // namespace

void DayToMonTemp(const RunParameters& run, Session& session) {
  const auto days = ReadTemperatureDays(run, DayOrder::kCalendar, session);
  if (!days) return;
  const HargreavesSite site = HargreavesSiteOf(run);
  const TwelveMonthSums sums = SumMonths(*days, site);
  const int years = days->back().year - days->front().year + 1;
  const std::string stem = SafeFileStem(run);
  std::string text = ResultStationLine(ToUpperAscii(stem), run) + kMtmColumns;
  for (size_t m = 0; m < 12; ++m) text += MonthRow(static_cast<int>(m + 1), sums[m], years);
  session.UseShortPi();
  WriteResult(stem + ".mtm", text, session);
}

}  // namespace kelvaro
