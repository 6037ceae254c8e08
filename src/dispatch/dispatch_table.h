#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

using Operation = void (*)(const RunParameters& run, Session& session);

// A chain step either runs the named operation or, written "ext:=xyz", sets the extension the
// next operation reads.
inline constexpr std::string_view kSetExtension = "ext:=";

struct DispatchRow {
  std::string_view ext;
  bool needs_years = false;
  bool needs_fetch = false;
  std::array<std::string_view, 8> chain{};  // steps left to right; unused steps are empty
};

// The run dialog's hidden ExtCombo: the index of ext in this list selects the row.
inline constexpr std::array<DispatchRow, 13> kDispatchTable{{
    {"dpn", false, true, {"DPNETo", "EToETcAW"}},
    {"day", false, false, {"WTHETo", "EToETcAW"}},
    {"qrd", false, false, {"DailyOutput", "ext:=day", "WTHETo", "EToETcAW"}},
    {"mon", true, false, {"GenerateWeather", "ext:=gen", "WTHETo", "EToETcAW"}},
    {"cdm",
     true,
     false,
     {"DailyOutput", "ext:=day", "MontlyOutput", "ext:=mon", "GenerateWeather", "ext:=gen",
      "WTHETo", "EToETcAW"}},
    {"dmn",
     true,
     false,
     {"MontlyOutput", "ext:=mon", "GenerateWeather", "ext:=gen", "WTHETo", "EToETcAW"}},
    {"mpn", true, true, {"PanETo", "ext:=epm", "SimulatedEToHargres", "EToETcAW"}},
    {"etm", true, false, {"SimulatedEToHargres", "EToETcAW"}},
    {"met", true, false, {"MonETo", "ext:=etm", "GenerateWeather2", "EToETcAW"}},
    {"det", false, false, {"EToCovertion", "EToETcAW"}},
    {"mtm", true, false, {"SimulatedEToHargres", "EToETcAW"}},
    {"dtm", true, false, {"DayToMonTemp", "ext:=mtm", "SimulatedEToHargres", "EToETcAW"}},
    {"rtm", false, false, {"YearlyDayToMonTemp", "EToETcAW"}},
}};

// Index of ext in the ExtCombo list, if it is one of its items.
std::optional<int> ExtComboIndex(std::string_view ext);

// The operation of that name; every name of the table has one.
Operation FindOperation(std::string_view name);

// Runs the chain left to right as one transaction on the data folder (see StagedChain); `run.ext`
// is changed where the chain says so, and keeps the last value set. Every operation reports its
// own failures.
void RunChain(const DispatchRow& row, RunParameters& run, Session& session);

}  // namespace kelvaro
