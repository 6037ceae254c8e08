#include "weatherio/whole_years.h"

#include <map>
#include <set>

#include "weatherio/calendar.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

// Runs of missing dates named in full; the rest of a year's gaps are only counted.
constexpr size_t kNamedRuns = 3;

std::string Plural(int count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string DateText(int year, int doy) {
  const MonthAndDay date = MonthAndDayOfYear(doy, year);
  return Printf("%04d-%02d-%02d", year, date.month, date.day);
}

std::vector<std::pair<int, int>> MissingRuns(const std::set<int>& held, int days_in_year) {
  std::vector<std::pair<int, int>> runs;
  for (int doy = 1; doy <= days_in_year; ++doy) {
    if (held.contains(doy)) continue;
    if (!runs.empty() && runs.back().second == doy - 1) {
      runs.back().second = doy;
    } else {
      runs.push_back({doy, doy});
    }
  }
  return runs;
}

int DaysIn(const std::vector<std::pair<int, int>>& runs) {
  int count = 0;
  for (const auto& [first, last] : runs) count += last - first + 1;
  return count;
}

std::string MissingDatesText(const PartialYear& year) {
  std::string text;
  int named_days = 0;
  for (size_t i = 0; i < year.missing.size() && i < kNamedRuns; ++i) {
    const auto [first, last] = year.missing[i];
    text += (i == 0 ? "" : ", ") + DateText(year.year, first);
    if (last != first) text += " to " + DateText(year.year, last);
    named_days += last - first + 1;
  }
  const int others = year.days_in_year - year.days - named_days;
  if (others > 0) text += " and " + Plural(others, "more day");
  return text;
}

}  // namespace

RecordYears CountWholeYears(const std::vector<WeatherDay>& days) {
  std::map<int, std::set<int>> held;
  for (const WeatherDay& day : days) held[day.year].insert(day.doy);
  RecordYears years;
  for (const auto& [year, doys] : held) {
    const int days_in_year = DaysInYear(year);
    auto missing = MissingRuns(doys, days_in_year);
    if (missing.empty()) {
      ++years.whole;
      continue;
    }
    const int present = days_in_year - DaysIn(missing);
    years.partial.push_back({year, present, days_in_year, std::move(missing)});
  }
  return years;
}

std::string YearsPhrase(const RecordYears& years) {
  const std::string partial = Plural(static_cast<int>(years.partial.size()), "partial year");
  if (years.whole == 0) return "no whole year: " + partial;
  const std::string whole = Plural(years.whole, "whole year");
  return years.partial.empty() ? whole : whole + " and " + partial;
}

std::string OverTheRecord(const std::string& file_name, const std::optional<RecordYears>& years) {
  if (!years) return "";
  return " over " + YearsPhrase(*years) + " of " + file_name;
}

std::vector<std::string> PartialYearLines(const std::string& file_name, const RecordYears& years) {
  std::vector<std::string> lines;
  if (years.partial.empty()) return lines;
  if (years.whole == 0) {
    lines.push_back(file_name +
                    " holds no whole year: every yearly figure of this run, and "
                    "their mean, comes from part of a year");
  } else {
    lines.push_back(file_name + " holds " + YearsPhrase(years) +
                    "; the yearly figures and their mean include the partial ones");
  }
  for (const PartialYear& year : years.partial) {
    lines.push_back("  " + std::to_string(year.year) + ": " + std::to_string(year.days) + " of " +
                    std::to_string(year.days_in_year) + " days, missing " + MissingDatesText(year));
  }
  return lines;
}

}  // namespace kelvaro
