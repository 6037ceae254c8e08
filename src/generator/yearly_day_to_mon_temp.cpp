#include "generator/yearly_day_to_mon_temp.h"

#include "eto/operation_files.h"
#include "generator/mid_month_curve.h"
#include "generator/temperature_months.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/missing_value.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kYmmColumns =
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    ETo\n"
    "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,     mm\n";
constexpr const char* kWrkColumns =
    " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n"
    "    #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";

// The days of one calendar year of the record, as far as it has been read.
struct RecordYear {
  int year = 0;
  std::vector<WeatherDay> days;  // in order, TMax raised to TMin
  TwelveMonthSums sums{};
};

void AddDay(const WeatherDay& day, const HargreavesSite& site, RecordYear& year) {
  year.days.push_back(day);
  if (!IsCounted(day)) return;
  MonthSums& month = year.sums[static_cast<size_t>(day.month - 1)];
  month.tmax += day.tmax;
  month.tmin += day.tmin;
  month.pcp += day.pcp;
  month.eto += site.Eto(day);
  ++month.days;
}

// The twelve .ymm rows of a year and the monthly mean ETo its curve runs through.
std::string YmmRows(const TwelveMonthSums& sums, MonthlyValues& monthly_eto) {
  std::string text;
  for (size_t m = 0; m < 12; ++m) {
    const MonthSums& s = sums[m];
    monthly_eto[m] = MeanOrMissing(s.eto, s.days);
    text += Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,\n", static_cast<int>(m + 1),
                   kMissing, MeanOrMissing(s.tmax, s.days), MeanOrMissing(s.tmin, s.days), kMissing,
                   kMissing, MeanOrMissing(s.pcp, s.days), monthly_eto[m]);
  }
  return text;
}

std::string WrkRows(const RecordYear& year, const MidMonthCurve& eto_curve) {
  std::string text;
  for (const WeatherDay& day : year.days) {
    text += Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", day.year,
                   day.month, day.day, day.doy, kMissing, day.tmax, day.tmin, kMissing, kMissing,
                   day.pcp, eto_curve.Across(day.doy));
  }
  return text;
}

bool IsComplete(const RecordYear& year) {
  return !year.days.empty() && year.days.front().doy == 1 &&
         year.days.back().doy == DaysInYear(year.year);
}

}  // namespace

void YearlyDayToMonTemp(const RunParameters& run, Session& session) {
  const auto days = ReadTemperatureDays(run, DayOrder::kConsecutive, session);
  if (!days) return;
  const HargreavesSite site = HargreavesSiteOf(run);
  const std::string stem = SafeFileStem(run);
  std::string ymm = ResultStationLine(ToUpperAscii(stem), run) + kYmmColumns;
  std::string wrk = ResultStationLine(stem, run) + kWrkColumns;
  int complete_years = 0;
  RecordYear year;
  for (const WeatherDay& read : *days) {
    if (read.year != year.year) {
      year = RecordYear{};
      year.year = read.year;
    }
    AddDay(WithTmaxRaised(read), site, year);
    if (read.doy != DaysInYear(read.year) || !IsComplete(year)) continue;
    MonthlyValues monthly_eto{};
    ymm += YmmRows(year.sums, monthly_eto);
    wrk += WrkRows(year, MidMonthCurve(monthly_eto));
    ++complete_years;
  }
  if (complete_years == 0) {
    throw InputError(stem + "." + run.Extension() +
                     " holds no complete year (1 January to 31 December); nothing is written.");
  }
  session.UseShortPi();
  OutputFile ymm_file(FindInFolder(session.data_dir, stem + ".ymm"));
  OutputFile wrk_file(FindInFolder(session.data_dir, stem + ".wrk"));
  ymm_file.Write(ymm);
  wrk_file.Write(wrk);
  CommitTogether({&ymm_file, &wrk_file});
}

}  // namespace kelvaro
