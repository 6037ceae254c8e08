#pragma once

#include <array>
#include <string>

namespace kelvaro::testing {

// The days of a daily weather file (the day layout, three header lines) as a weather-station
// network would export them: fifteen fields, two-digit years, Solar in mean W/m^2, every value
// marked "*" as measured.
std::string StationNetworkExportOf(const std::string& day_file_text);

// The days of a file with ETo (eto or wrk layout) as a daily ETo file (det) or as a daily pan
// file (dpn, with EPan = ETo / 0.8), each with three header lines.
std::string DailyEtoFileOf(const std::string& eto_file_text);
std::string DailyPanFileOf(const std::string& eto_file_text);

// The twelve monthly means of a mon file as a table with an ETo column: all columns with ETo
// -999 (met, or etm with `eto` given per month), or the temperature table (mtm) that holds only
// TMax, TMin, Pcp and NRD.
std::string MonthlyTableWithEtoOf(const std::string& mon_file_text);
std::string EtoTableOf(const std::string& mon_file_text, const std::array<float, 12>& eto);
std::string TemperatureTableOf(const std::string& mon_file_text);

// The days of a daily weather file (day layout) as a daily temperature file (dtm, rtm): Year,
// Mon, Day, DOY, TMax, TMin, Pcp.
std::string DailyTemperatureFileOf(const std::string& day_file_text);

}  // namespace kelvaro::testing
