#include "eto/eto_covertion.h"

#include "eto/operation_files.h"
#include "eto/rain_and_eto_rows.h"

namespace kelvaro {
namespace {

constexpr const char* kWorkColumns =
    " Year, Mon, Day, DOY,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     ETo\n";
constexpr const char* kWorkUnits =
    "    #,   #,   #,   #,  MJ/m^2,     oC,       oC,     m/s,      oC,      mm,      mm\n";

}  // namespace

void EToCovertion(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  auto input = OpenInputOrReport(stem + ".det", session);
  if (!input) return;
  WriteRainAndEtoWork(
      *input, EvaporationColumn::kETo,
      ResultStationLine(stem + "_det", run) + kWorkColumns + kWorkUnits,
      [](const RainAndEvaporationDay& day) { return day.evaporation; }, stem + ".wrk", session);
}

}  // namespace kelvaro
