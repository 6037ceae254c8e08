#pragma once

#include <filesystem>
#include <string>

#include "analysis/chart_data.h"
#include "analysis/volume_units.h"

namespace kelvaro {

// What a user asks to see: the kind and what that kind draws from.
struct ChartRequest {
  ChartKind kind = ChartKind::kSeason;
  std::filesystem::path folder = ".";
  std::string sa5{};                           // the study-area kinds
  int crop_number = 1;                         // season
  int year = 0;                                // season; 0 for the first year of the run
  VolumeUnit unit = VolumeUnit::kCubicMetres;  // the study-area kinds
  std::string station{};                       // the weather kinds: the file stem
  // The weather kinds; empty for TMax (generated) or ETo (daily-stats, generator-check).
  std::string variable{};
};

// The kind of that command-line name, if there is one.
const ChartKindName* FindChartKind(const std::string& name);

// The figures of the chart asked for. Throws InputError naming the file that is missing or
// malformed, or the variable the kind does not know.
ChartData BuildChartData(const ChartRequest& request);

}  // namespace kelvaro
