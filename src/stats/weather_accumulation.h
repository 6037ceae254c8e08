#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "weatherio/weather_records.h"

namespace kelvaro {

// The seven weather columns of the statistics, in the order the statistics files print them.
enum StatisticsColumn { kSolar, kTMax, kTMin, kWind, kTd, kPcp, kEto, kStatisticsColumnCount };

// Columns that are counted and accepted only together: a line adds a group's values only when
// none of them is missing.
enum VariableGroup { kRadiationGroup, kTemperatureGroup, kWaterGroup, kVariableGroupCount };

inline constexpr std::array<VariableGroup, kStatisticsColumnCount> kGroupOfColumn{
    kRadiationGroup,    // Solar
    kTemperatureGroup,  // TMax
    kTemperatureGroup,  // TMin
    kRadiationGroup,    // Wind
    kRadiationGroup,    // Td
    kWaterGroup,        // Pcp
    kWaterGroup,        // ETo
};

// Sums of one day of the year or one month, in single precision as the statistics keep them.
struct ColumnSums {
  std::array<float, kStatisticsColumnCount> sum{};
  std::array<float, kStatisticsColumnCount> squares{};  // each square rounded to float first
  std::array<int32_t, kVariableGroupCount> count{};

  int32_t CountOf(StatisticsColumn column) const { return count[kGroupOfColumn[column]]; }
};

// Everything one pass over a working daily file gathers; fixed tables, whatever the years.
struct WeatherAccumulation {
  float latitude_deg = 0.0f;
  float elevation_m = 0.0f;
  int32_t year_count = 0;                 // data lines with DOY 1
  std::array<ColumnSums, 367> by_day{};   // index 1..366
  std::array<ColumnSums, 13> by_month{};  // index 1..12

  // Adds one data line; `day.doy` must lie in 1..366 and `day.month` in 1..12.
  void Add(const WeatherDay& day);
};

// Reads a working daily file (station line with latitude and elevation, two more header lines,
// then Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp, ETo a line) in one pass. Nothing
// when the file cannot be opened. An empty file, one without data lines, a short line, a field
// that is not a number, a date outside the calendar, a Pcp or ETo outside its physical bounds
// or another value too large to sum throws InputError or ConversionError naming the file and line.
std::optional<WeatherAccumulation> AccumulateWorkingFile(const std::filesystem::path& path);

}  // namespace kelvaro
