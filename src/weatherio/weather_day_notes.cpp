#include "weatherio/weather_day_notes.h"

#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {

void WeatherDayNotes::Add(Count& count, const WeatherDay& day, int line_number) {
  if (count.days++ == 0) {
    count.first = Printf("line %d, %04d-%02d-%02d", line_number, day.year, day.month, day.day);
  }
}

void WeatherDayNotes::Note(const WeatherDay& day, int line_number) {
  if (IsMissing(day.tmax) || IsMissing(day.tmin)) return;
  if (day.tmax < day.tmin) Add(tmax_below_tmin_, day, line_number);
  const float tmax = day.tmax < day.tmin ? day.tmin : day.tmax;
  if (!IsMissing(day.td) && day.td > tmax) Add(td_above_tmax_, day, line_number);
}

std::vector<std::string> WeatherDayNotes::Warnings(const std::string& file_name) const {
  const auto warning = [&file_name](const Count& count, const char* what, const char* then) {
    return file_name + ": " + what + " on " + std::to_string(count.days) +
           (count.days == 1 ? " day (" : " days (the first on ") + count.first + "); " + then;
  };
  std::vector<std::string> warnings;
  if (tmax_below_tmin_.days > 0) {
    warnings.push_back(warning(tmax_below_tmin_, "TMax is below TMin", "TMax was taken as TMin"));
  }
  if (td_above_tmax_.days > 0) {
    warnings.push_back(warning(td_above_tmax_, "Td is above TMax",
                               "the dew point was used as it stands; check the Td column"));
  }
  return warnings;
}

}  // namespace kelvaro
