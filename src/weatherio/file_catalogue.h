#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kelvaro {

// One kind of file the program reads or writes, named by its extension.
struct FileKind {
  std::string_view ext;
  std::string_view content;
  std::string_view written_by;
  std::string_view read_by;
};

inline constexpr std::array<FileKind, 18> kFileCatalogue{{
    {"day", "daily weather without ETo, input", "user, templates, DailyOutput",
     "WTHETo, MontlyOutput (cdm chain)"},
    {"dmn", "daily weather for reduction to monthly means, input", "user, templates",
     "MontlyOutput"},
    {"qrd", "station-network daily export, 15 fields, no header", "external", "DailyOutput"},
    {"cdm", "station-network daily export to be reduced to monthly means", "external",
     "DailyOutput"},
    {"mon", "monthly means without ETo (Pan -999)", "user, templates, MontlyOutput",
     "GenerateWeather"},
    {"gen", "generated daily weather without ETo", "GenerateWeather", "WTHETo"},
    {"eto", "daily weather with ETo", "WTHETo", "copied to wrk by WTHETo"},
    {"cpy", "generated days with ETo after rain re-assignment", "WTHETo (gen input only)",
     "copied to wrk by WTHETo"},
    {"wrk", "working daily file",
     "WTHETo, DPNETo, EToCovertion, GenerateWeather2, SimulatedEToHargres, YearlyDayToMonTemp",
     "EToETcAW, weather statistics, viewers"},
    {"dpn", "daily Year, Mon, Day, DOY, Pcp, EPan", "user, templates", "DPNETo"},
    {"mpn", "monthly means with Pan and ETo columns", "user, templates", "PanETo"},
    {"epm", "monthly means with ETo from pan", "PanETo", "SimulatedEToHargres"},
    {"met", "monthly means with ETo column, input", "user", "MonETo"},
    {"etm", "monthly means with ETo", "user, templates, MonETo",
     "GenerateWeather2, SimulatedEToHargres"},
    {"det", "daily Year, Mon, Day, DOY, Pcp, ETo", "user, templates", "EToCovertion"},
    {"dtm", "daily temperature-based input", "user, templates", "DayToMonTemp"},
    {"mtm", "monthly temperature-based input", "user, templates, DayToMonTemp",
     "SimulatedEToHargres"},
    {"rtm", "daily temperature input, one work file per year", "user, templates",
     "YearlyDayToMonTemp"},
}};

std::optional<FileKind> FindFileKind(std::string_view ext);

}  // namespace kelvaro
