#include "dispatch/dispatch_table.h"

#include "balance/eto_etc_aw.h"
#include "dispatch/staged_chain.h"
#include "eto/daily_output.h"
#include "eto/eto_covertion.h"
#include "eto/mon_eto.h"
#include "eto/montly_output.h"
#include "eto/pan_eto.h"
#include "eto/wth_eto.h"
#include "generator/day_to_mon_temp.h"
#include "generator/generate_weather.h"
#include "generator/generate_weather2.h"
#include "generator/simulated_eto_hargres.h"
#include "generator/yearly_day_to_mon_temp.h"

namespace kelvaro {
namespace {

struct NamedOperation {
  std::string_view name;
  Operation run;
};

constexpr std::array<NamedOperation, 13> kOperations{{
    {"DPNETo", &DPNETo},
    {"WTHETo", &WTHETo},
    {"DailyOutput", &DailyOutput},
    {"MontlyOutput", &MontlyOutput},
    {"EToCovertion", &EToCovertion},
    {"MonETo", &MonETo},
    {"PanETo", &PanETo},
    {"GenerateWeather", &GenerateWeather},
    {"GenerateWeather2", &GenerateWeather2},
    {"SimulatedEToHargres", &SimulatedEToHargres},
    {"DayToMonTemp", &DayToMonTemp},
    {"YearlyDayToMonTemp", &YearlyDayToMonTemp},
    {"EToETcAW", &EToETcAW},
}};

bool IsExtensionStep(std::string_view step) { return step.starts_with(kSetExtension); }

}  // namespace

std::optional<int> ExtComboIndex(std::string_view ext) {
  for (size_t i = 0; i < kDispatchTable.size(); ++i) {
    if (kDispatchTable[i].ext == ext) return static_cast<int>(i);
  }
  return std::nullopt;
}

Operation FindOperation(std::string_view name) {
  for (const NamedOperation& operation : kOperations) {
    if (operation.name == name) return operation.run;
  }
  return nullptr;
}

void RunChain(const DispatchRow& row, RunParameters& run, Session& session) {
  StagedChain staged(run, session);
  int count = 0;
  for (std::string_view step : row.chain) {
    if (!step.empty() && !IsExtensionStep(step)) ++count;
  }
  int index = 0;
  for (std::string_view step : row.chain) {
    if (step.empty()) break;
    if (IsExtensionStep(step)) {
      run.ext = std::string(step.substr(kSetExtension.size()));
      continue;
    }
    if (staged.session().reporter.CancelRequested()) throw RunCancelled();
    staged.session().reporter.OperationStarted(std::string(step), index++, count);
    FindOperation(step)(run, staged.session());
  }
  staged.Commit();
}

}  // namespace kelvaro
