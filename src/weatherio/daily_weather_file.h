#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "weatherio/text_file.h"
#include "weatherio/weather_day_notes.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

// One data line of a daily weather file: Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp
// and, when `with_eto`, ETo. Year is kept as text exactly as read and also converted; the other
// columns are converted after trimming. Refused: more or fewer fields than the layout, a year
// outside 1..9998, Mon outside 1..12, Day outside 1..31, DOY outside 1..366 or past the end of
// its year, Mon and Day that are not the DOY, and values outside their physical bounds (-999
// passes). Throws ConversionError or InputError naming the column.
// Files the program writes for itself (generated days, working files) hold whatever the generator
// made of the user's means: there only Pcp and ETo, the columns the water balance uses, are held
// to their bounds.
enum class WeatherChecks { kEveryColumn, kRainAndEto };

WeatherDay ParseWeatherDay(std::string_view line, bool with_eto,
                           WeatherChecks checks = WeatherChecks::kEveryColumn);

// Refuses a day that does not follow `previous`: the same year and a later DOY, or the next year.
void CheckDayOrder(int previous_year, int previous_doy, int year, int doy);
inline void CheckDayOrder(const WeatherDay& previous, const WeatherDay& day) {
  CheckDayOrder(previous.year, previous.doy, day.year, day.doy);
}

// Reads the data lines of one daily weather file as they come, so a long file is refused at its
// first bad line: every check of ParseWeatherDay, the calendar order, and notes of the days the
// user should hear of (raw files only: generated days are the program's own).
class WeatherDayReader {
 public:
  WeatherDayReader(bool with_eto, WeatherChecks checks) : with_eto_(with_eto), checks_(checks) {}

  // The day of a data line; errors come without the file and line, for the caller to add.
  WeatherDay Read(std::string_view line, int line_number);
  const WeatherDayNotes& notes() const { return notes_; }

 private:
  bool with_eto_;
  WeatherChecks checks_;
  std::optional<WeatherDay> previous_;
  WeatherDayNotes notes_;
};

// Every data line of a daily weather file, after its three header lines, in calendar order;
// blank lines carry no day and are passed over. Errors name the file and the line.
std::vector<WeatherDay> ParseWeatherDays(const TextFile& file, bool with_eto,
                                         WeatherChecks checks = WeatherChecks::kEveryColumn);

}  // namespace kelvaro
