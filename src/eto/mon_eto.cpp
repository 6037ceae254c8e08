#include "eto/mon_eto.h"

#include <array>

#include "eto/operation_files.h"
#include "eto/penman_monteith.h"
#include "eto/twelve_months.h"
#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kMonthColumns =
    "  Mon,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     NRD,     Pan,     ETo\n";
constexpr const char* kMonthUnits =
    "    #,   J/m^2,     oC,       oC,     m/s,      oC,      mm,       #,      mm,       mm\n";

using TwelveMonths = std::array<MonthlyMeans, 12>;

bool HasTemperatures(const MonthlyMeans& m) { return !IsMissing(m.tmax) && !IsMissing(m.tmin); }

bool CanComputeEto(const MonthlyMeans& m) {
  return HasTemperatures(m) && !IsMissing(m.solar) && !IsMissing(m.wind) && !IsMissing(m.td);
}

float MeanTemperature(const MonthlyMeans& m) { return (m.tmax + m.tmin) * 0.5f; }

// TMax raised to TMin where it is lower, as written and as used.
TwelveMonths Corrected(TwelveMonths months) {
  for (MonthlyMeans& m : months) {
    if (m.tmax < m.tmin) m.tmax = m.tmin;
  }
  return months;
}

// ETo of month index m (0 = January), or -999 when a value it needs is missing in the table as
// read.
float MonthEto(const TwelveMonths& read, const TwelveMonths& months, size_t m, const Site& site,
               float pi) {
  const size_t before = (m + 11) % 12;
  const size_t after = (m + 1) % 12;
  if (!CanComputeEto(read[m]) || !HasTemperatures(read[before]) || !HasTemperatures(read[after])) {
    return kMissing;
  }
  const MonthlyMeans& month = months[m];
  const float soil_heat =
      static_cast<float>(0.07 * (MeanTemperature(months[after]) - MeanTemperature(months[before])));
  const ReferenceEtWeather weather{kMidMonthDays[m], month.solar, month.tmax,
                                   month.tmin,       month.wind,  month.td};
  return ReferenceEt(weather, site, {pi, false, soil_heat}).eto;
}

std::string FormatMonthRow(const MonthlyMeans& m, float eto) {
  return Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", m.month, m.solar,
                m.tmax, m.tmin, m.wind, m.td, m.pcp, m.nrd, m.pan, eto);
}

}  // namespace

void MonETo(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + ".met", session);
  if (!input) return;
  const Site site =
      MakeSite(ParseFloat(run.LatitudeText()), ParseFloat(run.ElevationText()), session.global_pi);
  const TwelveMonths read = ReadTwelveMonthsWithEto(*input);
  const TwelveMonths months = Corrected(read);

  std::string text = ResultStationLine(stem + "_met", run) + kMonthColumns + kMonthUnits;
  std::string without_eto;
  for (size_t m = 0; m < months.size(); ++m) {
    const float eto = MonthEto(read, months, m, site, session.global_pi);
    text += FormatMonthRow(months[m], eto);
    if (IsMissing(eto)) without_eto += (without_eto.empty() ? "" : ", ") + std::to_string(m + 1);
  }
  WriteResult(stem + ".etm", text, session);
  if (!without_eto.empty()) {
    session.reporter.MessageBox("ETo is written as -999 for month(s) " + without_eto + " of " +
                                input->name + ": a value it needs is missing (-999).");
  }
}

}  // namespace kelvaro
