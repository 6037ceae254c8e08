#pragma once

#include <optional>
#include <string>
#include <vector>

#include "weatherio/weather_records.h"

namespace kelvaro {

// A calendar year of a daily record that lacks days: fewer than the year has, or gaps.
struct PartialYear {
  int year = 0;
  int days = 0;                              // days of the year the record holds
  int days_in_year = 0;                      // 365 or 366
  std::vector<std::pair<int, int>> missing;  // runs of missing days of year, first and last
};

// Which years of a record are whole. Every yearly figure of a run (the annual rows and their
// mean) is taken over the years the record holds, whole or not.
struct RecordYears {
  int whole = 0;
  std::vector<PartialYear> partial;
  int Count() const { return whole + static_cast<int>(partial.size()); }
};

// The days are those of a working file, in the order written; a day is known by its year and
// day of year.
RecordYears CountWholeYears(const std::vector<WeatherDay>& days);

// "17 whole years and 1 partial year", "no whole year: 2 partial years".
std::string YearsPhrase(const RecordYears& years);

// " over 17 whole years and 1 partial year of MARIC.wrk", as a summary's heading says it; nothing
// without the years.
std::string OverTheRecord(const std::string& file_name, const std::optional<RecordYears>& years);

// The lines that name the partial years of `file_name` and the dates they lack (a few runs of
// dates, then a count), or nothing when every year is whole. A record without a whole year
// says so first.
std::vector<std::string> PartialYearLines(const std::string& file_name, const RecordYears& years);

}  // namespace kelvaro
