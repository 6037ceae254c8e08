#include "dispatch/dispatch_table.h"

#include "balance/eto_etc_aw.h"
#include "eto/daily_output.h"
#include "eto/eto_covertion.h"
#include "eto/mon_eto.h"
#include "eto/montly_output.h"
#include "eto/pan_eto.h"
#include "eto/wth_eto.h"
#include "generator/generate_weather.h"

namespace kelvaro {
namespace {

struct NamedOperation {
  std::string_view name;
  Operation run;
};

// Operations still to be written are listed without a function, so their rows report plainly.
constexpr std::array<NamedOperation, 13> kOperations{{
    {"DPNETo", &DPNETo},
    {"WTHETo", &WTHETo},
    {"DailyOutput", &DailyOutput},
    {"MontlyOutput", &MontlyOutput},
    {"EToCovertion", &EToCovertion},
    {"MonETo", &MonETo},
    {"PanETo", &PanETo},
    {"GenerateWeather", &GenerateWeather},
    {"GenerateWeather2", nullptr},
    {"SimulatedEToHargres", nullptr},
    {"DayToMonTemp", nullptr},
    {"YearlyDayToMonTemp", nullptr},
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

std::string MissingOperations(const DispatchRow& row) {
  std::string missing;
  for (std::string_view step : row.chain) {
    if (step.empty() || IsExtensionStep(step) || FindOperation(step) != nullptr) continue;
    if (!missing.empty()) missing += ", ";
    missing += step;
  }
  return missing;
}

void RunChain(const DispatchRow& row, RunParameters& run, Session& session) {
  for (std::string_view step : row.chain) {
    if (step.empty()) break;
    if (IsExtensionStep(step)) {
      run.ext = std::string(step.substr(kSetExtension.size()));
    } else if (Operation operation = FindOperation(step)) {
      operation(run, session);
    }
  }
}

}  // namespace kelvaro
