#pragma once

#include <string>

#include "weatherio/monthly_means_file.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// The column and unit lines of the daily weather files and monthly means files the program
// writes for itself (a station-network export converted, daily weather reduced to means).
inline constexpr const char* kDailyWeatherColumnLines =
    " Year,  Mon, Day, DOY,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp\n"
    "    #,    #,   #,   #,  MJ/m^2,     oC,       oC,     m/s,      oC,      mm\n";
inline constexpr const char* kMonthlyMeansColumnLines =
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan\n"
    "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm \n";

// One row of a daily weather file with its line end: the Year text as it is, then Mon, Day, DOY
// and Solar..Pcp with two decimals.
std::string FormatDailyWeatherRow(const WeatherDay& day);

// One row of a monthly means file with its line end: Mon, then Solar..Pan (and ETo where
// `columns` has it) with two decimals.
std::string FormatMonthlyMeansRow(const MonthlyMeans& month, MonthlyColumns columns);

}  // namespace kelvaro
