#include "eto/daily_output.h"

#include "eto/operation_files.h"
#include "eto/solar_geometry.h"
#include "eto/station_network_day.h"
#include "weatherio/calendar.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/input_file_rows.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/weather_day_notes.h"

namespace kelvaro {

void DailyOutput(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  auto input = OpenInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  const float latitude_deg = ParseFloat(run.LatitudeText());
  OutputFile day_file(FindInFolder(session.data_dir, stem + ".day"));
  day_file.Write(ResultStationLine(stem, run) + kDailyWeatherColumnLines);
  bool any_day = false;
  WeatherDayNotes notes;
  // The export has no header lines: its data start on the first line.
  ForEachDataLine(
      *input,
      [&](const std::string& line, int line_number) {
        WeatherDay day = ParseStationNetworkDay(line);
        // The order of the days is checked where the daily file is read, the values here.
        CheckDayOfYear(day.doy, day.year);
        CheckSolarWithinRa(day.solar, day.doy, latitude_deg, session.global_pi);
        const MonthAndDay date = MonthAndDayOfYear(day.doy, day.year);
        day.month = date.month;
        day.day = date.day;
        // The dew point is compared where the daily file is read; TMax only here, before it is
        // raised to TMin.
        WeatherDay measured = day;
        measured.td = kMissing;
        notes.Note(measured, line_number);
        if (day.tmax < day.tmin) day.tmax = day.tmin;
        day_file.Write(FormatDailyWeatherRow(day));
        any_day = true;
      },
      0);
  if (!any_day) throw InputError(input->name() + " holds no daily weather");
  for (const std::string& warning : notes.Warnings(input->name())) session.reporter.Warn(warning);
  day_file.Commit();
}

}  // namespace kelvaro
