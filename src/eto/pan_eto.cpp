#include "eto/pan_eto.h"

#include "eto/operation_files.h"
#include "eto/pan_coefficient.h"
#include "eto/rain_and_eto_rows.h"
#include "eto/twelve_months.h"
#include "weatherio/errors.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kWorkColumns =
    " Year,  Mon, Day, DOY,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     ETo\n";
constexpr const char* kWorkUnits =
    "    #,    #,   #,   #,  MJ/m^2,     oC,       oC,     m/s,      oC,      mm,      mm\n";
constexpr const char* kMonthColumns =
    "  Mon,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     NRD,     Pan,     ETo\n";
constexpr const char* kMonthUnits =
    "    #,   J/m^2,     oC,       oC,     m/s,      oC,      mm,       #,      mm,      mm\n";

// The pan coefficient of the run's fetch (first five characters of FetchVal, metres).
float FetchPanCoefficient(const RunParameters& run) {
  const std::string fetch_text = run.FetchVal.substr(0, 5);
  const float fetch_m = ParseFloat(fetch_text);
  if (!(fetch_m > 0.0f)) {
    throw InputError("The fetch should be larger than 0 meters (entered: " +
                     std::string(Trim(fetch_text)) + ")");
  }
  return PanCoefficient(fetch_m);
}

float EtoOfPan(float pan_mm, float pan_coefficient, float pi) {
  return IsMissing(pan_mm) ? kMissing : PanToETo(pan_mm, pan_coefficient, pi);
}

std::string FormatMonthRow(const MonthlyMeans& m, float eto) {
  const float tmax = m.tmax < m.tmin ? m.tmin : m.tmax;
  return Printf("%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", m.month, m.solar,
                tmax, m.tmin, m.wind, m.td, m.pcp, m.nrd, m.pan, eto);
}

}  // namespace

void DPNETo(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const float pan_coefficient = FetchPanCoefficient(run);
  auto input = OpenInputOrReport(stem + ".dpn", session);
  if (!input) return;
  // The session's pi becomes 3.1415 only once the whole file was read and written.
  const auto eto_of = [pan_coefficient](const RainAndEvaporationDay& day) {
    return EtoOfPan(day.evaporation, pan_coefficient, kShortPi);
  };
  WriteRainAndEtoWork(*input, EvaporationColumn::kEPan,
                      ResultStationLine(stem + "_dpn", run) + kWorkColumns + kWorkUnits, eto_of,
                      stem + ".wrk", session);
  session.UseShortPi();
}

void PanETo(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const float pan_coefficient = FetchPanCoefficient(run);
  const auto input = ReadInputOrReport(stem + ".mpn", session);
  if (!input) return;
  const auto months = ReadTwelveMonthsWithEto(*input);
  session.UseShortPi();

  std::string text = ResultStationLine(stem + "_mpn", run) + kMonthColumns + kMonthUnits;
  for (const MonthlyMeans& month : months) {
    text += FormatMonthRow(month, EtoOfPan(month.pan, pan_coefficient, session.global_pi));
  }
  WriteResult(stem + ".epm", text, session);
}

}  // namespace kelvaro
