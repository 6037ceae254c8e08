#include "eto/daily_output.h"

#include "eto/operation_files.h"
#include "eto/station_network_day.h"
#include "weatherio/calendar.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kDayColumns =
    " Year,  Mon, Day, DOY,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp\n";
constexpr const char* kDayUnits =
    "    #,    #,   #,   #,  MJ/m^2,     oC,       oC,     m/s,      oC,      mm\n";

std::string FormatDayRow(const WeatherDay& day) {
  return Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", day.year_text.c_str(),
                day.month, day.day, day.doy, day.solar, day.tmax, day.tmin, day.wind, day.td,
                day.pcp);
}

// Mon and Day from the day of year; a day of year past the year's end (366 in a year of 365
// days) keeps those of the line before.
void SetMonthAndDay(std::vector<WeatherDay>& days) {
  MonthAndDay previous;
  for (WeatherDay& day : days) {
    if (day.doy <= DaysInYear(day.year)) previous = MonthAndDayOfYear(day.doy, day.year);
    day.month = previous.month;
    day.day = previous.day;
  }
}

}  // namespace

void DailyOutput(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  // The export has no header lines: its data start on the first line.
  auto days = ParseDataLines(
      *input, [](const std::string& line) { return ParseStationNetworkDay(line); }, 0);
  if (days.empty()) throw InputError(input->name + " holds no daily weather");
  SetMonthAndDay(days);

  std::string text = ResultStationLine(stem, run) + kDayColumns + kDayUnits;
  for (const WeatherDay& day : days) text += FormatDayRow(day);
  WriteResult(stem + ".day", text, session);
}

}  // namespace kelvaro
