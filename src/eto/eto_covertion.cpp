#include "eto/eto_covertion.h"

#include "eto/operation_files.h"
#include "eto/rain_and_eto_rows.h"
#include "weatherio/errors.h"
#include "weatherio/rain_and_evaporation_file.h"

namespace kelvaro {
namespace {

constexpr const char* kWorkColumns =
    " Year, Mon, Day, DOY,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     ETo\n";
constexpr const char* kWorkUnits =
    "    #,   #,   #,   #,  MJ/m^2,     oC,       oC,     m/s,      oC,      mm,      mm\n";

}  // namespace

void EToCovertion(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + ".det", session);
  if (!input) return;
  const auto days = ParseRainAndEvaporationDays(*input);
  if (days.empty()) throw InputError(input->name + " holds no days after its three header lines");

  std::string text = ResultStationLine(stem + "_det", run) + kWorkColumns + kWorkUnits;
  for (const RainAndEvaporationDay& day : days) text += RainAndEtoRow(day, day.evaporation);
  WriteResult(stem + ".wrk", text, session);
}

}  // namespace kelvaro
