#pragma once

#include <array>
#include <vector>

#include "weatherio/weather_records.h"

namespace kelvaro {

// A day with at least this much rain is a wet day when two records are compared (the usual
// climatological threshold, so that traces below a gauge's resolution do not count).
inline constexpr float kWetDayMm = 1.0f;

// Mean and population standard deviation of the daily values of each calendar month.
struct MonthlySpread {
  std::array<float, 12> mean{};
  std::array<float, 12> sd{};
};

// The daily weather variables whose spread is compared, in this order.
enum RecordVariable : size_t {
  kDailyTMax,
  kDailyTMin,
  kDailyTd,
  kDailySolar,
  kDailyWind,
  kDailyEto,
  kDailyVariableCount
};

using YearOfMonths = std::array<float, 13>;
inline constexpr size_t kWholeYear = 12;

// What a daily record (the working-file layout, with ETo) says of its climate. Missing values
// (-999) stay out of every figure.
struct RecordFigures {
  std::array<MonthlySpread, kDailyVariableCount> daily;
  // Per month, then the whole year at index 12 (the sum of the months' means for rain and wet
  // days, every spell for the spell lengths).
  YearOfMonths rain{};           // mean monthly total, mm
  YearOfMonths wet_days{};       // mean number of wet days
  YearOfMonths wet_spell{};      // mean length in days of the wet spells beginning in the month
  YearOfMonths dry_spell{};      // the same for dry spells
  int whole_years = 0;           // calendar years with every day present
  float annual_eto_mean = 0.0f;  // mm, over the whole years whose days all have ETo
  float annual_eto_sd = 0.0f;
};

RecordFigures FiguresOf(const std::vector<WeatherDay>& days);

// Calendar years from 1 January to 31 December without a missing day.
int WholeYears(const std::vector<WeatherDay>& days);

}  // namespace kelvaro
