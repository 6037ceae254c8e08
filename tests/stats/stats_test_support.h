#pragma once

#include <string>
#include <vector>

#include "weatherio/row_format.h"

namespace kelvaro::testing {

// One data line of a working daily file.
struct WorkRow {
  int year;
  int month;
  int day;
  int doy;
  float solar, tmax, tmin, wind, td, pcp, eto;
};

// A working daily file with the worked day's station (38.5 N, 18.5 m) unless told otherwise.
inline std::string WorkingFileText(const std::vector<WorkRow>& rows,
                                   const std::string& station_line = " WORKD,38.5,18.5\n") {
  std::string text = station_line;
  text += "  Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n";
  text += "     #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
  for (const WorkRow& r : rows) {
    text += Printf(" %5d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", r.year, r.month,
                   r.day, r.doy, r.solar, r.tmax, r.tmin, r.wind, r.td, r.pcp, r.eto);
  }
  return text;
}

// The worked day of the daily reference ET: DOY 266 at 38.5 N, 18.5 m, ETo 5.45 mm.
inline WorkRow WorkedDay(int year = 2003) {
  return {year, 9, 23, 266, 19.3f, 30.1f, 14.0f, 2.6f, 7.5f, 0.0f, 5.0f};
}

}  // namespace kelvaro::testing
