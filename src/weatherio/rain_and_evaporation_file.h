#pragma once

#include <optional>
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

// The sixth column: pan evaporation (dpn), 0..40 mm a day, or reference ET (det), held to the
// bounds of every ETo column (-10..40 mm: Penman-Monteith goes a little below 0 on dewy days).
enum class EvaporationColumn { kEPan, kETo };

// One data line of six fields. Refused, with the column named, as every daily reader refuses: a
// field that is not a number (ConversionError); more or fewer fields, a year outside 1..9998, Mon
// outside 1..12, Day outside 1..31, DOY outside 1..366 or past the end of its year, Mon and Day
// that are not the DOY, Pcp outside 0..2000 mm and the evaporation outside its bounds (-999 passes)
// (InputError).
RainAndEvaporationDay ParseRainAndEvaporationDay(std::string_view line, EvaporationColumn column);

// Reads the data lines of one file as they come, refusing as well a day that does not follow the
// one before it in calendar order (as the daily weather files do).
class RainAndEvaporationReader {
 public:
  explicit RainAndEvaporationReader(EvaporationColumn column) : column_(column) {}
  // Errors come without the file and line, for the caller to add.
  RainAndEvaporationDay Read(std::string_view line);

 private:
  EvaporationColumn column_;
  std::optional<RainAndEvaporationDay> previous_;
};

// Every data line after the three header lines; blank lines are passed over. Errors name the
// file and the line.
std::vector<RainAndEvaporationDay> ParseRainAndEvaporationDays(
    const TextFile& file, EvaporationColumn column = EvaporationColumn::kEPan);

}  // namespace kelvaro
