#pragma once

#include <string>
#include <vector>

#include "weatherio/weather_records.h"

namespace kelvaro {

// Days of a daily weather file that the computations take as the system always has, but that
// the user should hear of: TMax below TMin (TMax is taken as TMin) and a dew point above the
// day's maximum. Missing values (-999) are not compared.
class WeatherDayNotes {
 public:
  // `day` as read, before TMax is raised to TMin; `line_number` of the file it came from.
  void Note(const WeatherDay& day, int line_number);

  // One warning per kind of day found, naming the file, how many days and the first of them:
  // "MARIC.day: TMax is below TMin on 3 days (the first on line 198, 2003-07-14); TMax was
  // taken as TMin".
  std::vector<std::string> Warnings(const std::string& file_name) const;

  int tmax_below_tmin() const { return tmax_below_tmin_.days; }
  int td_above_tmax() const { return td_above_tmax_.days; }

 private:
  struct Count {
    int days = 0;
    std::string first;  // "line 198, 2003-07-14"
  };
  static void Add(Count& count, const WeatherDay& day, int line_number);

  Count tmax_below_tmin_;
  Count td_above_tmax_;
};

}  // namespace kelvaro
