#include "eto/wth_eto.h"

#include "eto/operation_files.h"
#include "eto/penman_monteith.h"
#include "eto/rain_reassignment.h"
#include "eto/solar_geometry.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr const char* kEtoColumns =
    "  Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n";
constexpr const char* kEtoUnits =
    "     #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
constexpr const char* kCopyColumns =
    " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n";
constexpr const char* kCopyUnits =
    "    #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";

std::string FormatEtoRow(const WeatherDay& day, const PenmanMonteithDay& et) {
  return Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n",
                day.year_text.c_str(), day.month, day.day, day.doy, day.solar, et.tmax, day.tmin,
                day.wind, day.td, day.pcp, et.eto);
}

}  // namespace

void WTHETo(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  auto input = OpenInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  const float latitude_deg = ParseFloat(run.LatitudeText());
  const float elevation_m = ParseFloat(run.ElevationText());
  const float pi = session.global_pi;
  const Site site = MakeSite(latitude_deg, elevation_m, pi);
  // Generated days are the program's own: only the user's records are held to every check.
  const bool generated = EqualsIgnoringCase(run.Extension(), "gen");
  WeatherDayReader reader(false,
                          generated ? WeatherChecks::kRainAndEto : WeatherChecks::kEveryColumn);

  const auto output = [&](const std::string& ext) {
    return FindInFolder(session.data_dir, stem + "." + ext);
  };
  OutputFile eto_file(output("eto"));
  OutputFile work_file(output("wrk"));
  // The rows are written as they are read, so a long record is never held whole; generated
  // records (at most 50 years) are kept for the rain re-assignment.
  std::vector<std::string> eto_lines{ResultStationLine(stem, run), kEtoColumns, kEtoUnits};
  const std::string head = JoinLines(eto_lines);
  eto_file.Write(head);
  if (!generated) work_file.Write(head);
  const auto write_row = [&](std::string row) {
    eto_file.Write(row);
    if (generated) {
      eto_lines.push_back(std::move(row));
    } else {
      work_file.Write(row);
    }
  };
  size_t days = 0;
  ForEachDataLine(*input, [&](const std::string& line, int line_number) {
    const WeatherDay day = reader.Read(line, line_number);
    if (!generated) CheckSolarWithinRa(day.solar, day.doy, latitude_deg, pi);
    write_row(FormatEtoRow(day, DailyReferenceEt(day, site, pi)));
    ++days;
  });
  if (days == 0) throw InputError(input->name() + " holds no daily weather");
  for (const std::string& warning : reader.notes().Warnings(input->name())) {
    session.reporter.Warn(warning);
  }

  if (generated) {
    // The re-assignment reads the eto rows as written; their line ends trim away with the fields.
    const auto copy_rows = ReassignRain(TextFile{stem + ".eto", eto_lines});
    const std::string copy_text = std::string(kCopyColumns) + kCopyUnits + JoinLines(copy_rows);
    OutputFile copy_file(output("cpy"));
    copy_file.Write(copy_text);
    work_file.Write(eto_lines.front() + copy_text);
    CommitTogether({&eto_file, &copy_file, &work_file});
  } else {
    CommitTogether({&eto_file, &work_file});
  }
}

}  // namespace kelvaro
