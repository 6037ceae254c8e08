#pragma once

#include <string_view>

#include "weatherio/weather_records.h"

namespace kelvaro {

// One line of a weather-station network's daily export (qrd, cdm; no header lines), fifteen
// fields: station number, date text (its first two characters the two-digit year), day of year,
// then marker and value of Solar (mean W/m^2), TMax, TMin, Wind, Pcp and Td. A value counts
// only when its marker is "*" (for Td, a marker starting with "*"); a day is taken whole or not
// at all, so one other marker makes all six values -999. Returns the day in the program's units
// with the four-digit year and TMax as measured (not yet raised to TMin); Mon and Day are left to
// the calendar. Throws ConversionError for a counted value that is not a number, InputError for
// more or fewer fields, a date that does not start with two digits or a day of year outside
// 1..366.
WeatherDay ParseStationNetworkDay(std::string_view line);

// The four-digit year of a two-digit one: 00..60 are 2000..2060, 61..99 are 1961..1999.
int FourDigitYear(int two_digit_year);

}  // namespace kelvaro
