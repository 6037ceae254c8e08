#include "eto/wth_eto.h"

#include "eto/operation_files.h"
#include "eto/penman_monteith.h"
#include "eto/rain_reassignment.h"
#include "weatherio/daily_weather_file.h"
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

// The eto file's lines, header included.
std::vector<std::string> EtoLines(const std::vector<WeatherDay>& days, const RunParameters& run,
                                  const Site& site, float pi) {
  std::vector<std::string> lines{ResultStationLine(run.FileStem(), run), kEtoColumns, kEtoUnits};
  for (const WeatherDay& day : days) {
    lines.push_back(FormatEtoRow(day, DailyReferenceEt(day, site, pi)));
  }
  return lines;
}

}  // namespace

void WTHETo(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  const float latitude_deg = ParseFloat(run.LatitudeText());
  const float elevation_m = ParseFloat(run.ElevationText());
  const Site site = MakeSite(latitude_deg, elevation_m, session.global_pi);
  const auto checks =
      run.Extension() == "gen" ? WeatherChecks::kRainAndEto : WeatherChecks::kEveryColumn;
  const auto days = ParseWeatherDays(*input, false, checks);
  if (days.empty()) throw InputError(input->name + " holds no daily weather");
  const auto eto_lines = EtoLines(days, run, site, session.global_pi);

  const auto output = [&](const std::string& ext) {
    return FindInFolder(session.data_dir, stem + "." + ext);
  };
  const std::string eto_text = JoinLines(eto_lines);
  OutputFile eto_file(output("eto"));
  OutputFile work_file(output("wrk"));
  eto_file.Write(eto_text);
  if (EqualsIgnoringCase(run.Extension(), "gen")) {
    // The re-assignment reads the eto rows as written; their line ends trim away with the fields.
    const auto copy_rows = ReassignRain(TextFile{stem + ".eto", eto_lines});
    const std::string copy_text = std::string(kCopyColumns) + kCopyUnits + JoinLines(copy_rows);
    OutputFile copy_file(output("cpy"));
    copy_file.Write(copy_text);
    work_file.Write(eto_lines.front() + copy_text);
    CommitTogether({&eto_file, &copy_file, &work_file});
  } else {
    work_file.Write(eto_text);
    CommitTogether({&eto_file, &work_file});
  }
}

}  // namespace kelvaro
