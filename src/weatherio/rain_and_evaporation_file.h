#pragma once

#include <string_view>
#include <vector>

#include "weatherio/text_file.h"

namespace kelvaro {

// One day of the daily pan file (dpn) or daily ETo file (det): Year, Mon, Day, DOY, Pcp and the
// day's evaporation, EPan or ETo, all in mm.
struct RainAndEvaporationDay {
  int year = 0;
  int month = 0;
  int day = 0;
  int doy = 0;
  float pcp = 0.0f;
  float evaporation = 0.0f;
};

// One data line of six fields. Throws ConversionError for a field that is not a number and
// InputError for too few fields or a date outside Mon 1..12, Day 1..31, DOY 1..366.
RainAndEvaporationDay ParseRainAndEvaporationDay(std::string_view line);

// Every data line after the three header lines; blank lines are passed over. Errors name the
// file and the line.
std::vector<RainAndEvaporationDay> ParseRainAndEvaporationDays(const TextFile& file);

}  // namespace kelvaro
