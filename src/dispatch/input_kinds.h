#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "dispatch/dispatch_table.h"

namespace kelvaro {

// What each input kind of the dispatch table is, in words a user of the command line or the
// help reads. Same order as kDispatchTable.
struct InputKind {
  std::string_view ext;
  std::string_view meaning;
  // Whether the input file starts with a station line (tag, latitude, elevation). The station
  // network's daily exports have no header lines at all.
  bool has_station_line = true;
};

inline constexpr std::array<InputKind, kDispatchTable.size()> kInputKinds{{
    {"dpn", "daily rain and pan evaporation: ETo from the pan"},
    {"day", "measured daily weather: daily Penman-Monteith ETo"},
    {"qrd", "station-network daily export: converted to .day, then as day", false},
    {"mon", "monthly weather means: generated years of daily weather, then as day"},
    {"cdm", "station-network daily export: reduced to monthly means (.mon), then as mon", false},
    {"dmn", "measured daily weather (day layout): reduced to monthly means (.mon), then as mon"},
    {"mpn", "monthly means with pan evaporation: monthly ETo from the pan, then generated years"},
    {"etm", "monthly mean temperatures, rain and ETo: generated years with Hargreaves ETo"},
    {"met", "monthly weather means: monthly ETo, then generated years of daily rain and ETo"},
    {"det", "daily rain and ETo: straight to the water balance"},
    {"mtm", "monthly mean temperatures and rain: generated years with Hargreaves ETo"},
    {"dtm", "daily temperatures and rain: reduced to monthly means (.mtm), then as mtm"},
    {"rtm", "daily temperatures and rain: Hargreaves ETo of every day"},
}};

// The kind whose extension is `ext`, ignoring letter case; nothing for any other text.
std::optional<InputKind> FindInputKind(std::string_view ext);

// The dispatch row of a kind found by FindInputKind.
const DispatchRow& DispatchRowOf(const InputKind& kind);

}  // namespace kelvaro
