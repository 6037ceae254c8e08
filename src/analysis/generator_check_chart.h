#pragma once

#include <filesystem>
#include <string>

#include "analysis/chart_data.h"

namespace kelvaro {

struct RecordComparison;

// A variable the generator check chart draws: the comparison's name and unit, the statistic of
// its monthly line, and whether the daily spread is compared (a band of one standard deviation
// either side of the mean) or only the monthly figure.
struct CheckedVariable {
  const char* name;
  const char* statistic;
  const char* unit;
  bool spread;
  const char* shown;  // what the title calls the monthly figure
};

inline constexpr CheckedVariable kGeneratorCheckVariables[] = {
    {"TMax", "mean", "oC", true, "monthly mean ± 1 sd"},
    {"TMin", "mean", "oC", true, "monthly mean ± 1 sd"},
    {"Td", "mean", "oC", true, "monthly mean ± 1 sd"},
    {"Solar", "mean", "MJ/m^2", true, "monthly mean ± 1 sd"},
    {"Wind", "mean", "m/s", true, "monthly mean ± 1 sd"},
    {"ETo", "mean", "mm", true, "monthly mean ± 1 sd"},
    {"Rain", "total", "mm", false, "mean monthly total"},
    {"Wet days", "count", "days", false, "mean number a month, 1 mm or more"},
};

// The monthly figures of `variable` in the measured record (the reference) against the
// generated one, each with its band of one standard deviation where the spread is compared. A
// month missing (-999) in a record is left out of that record's line. Throws InputError when
// the comparison lacks a month's figure of the variable.
ChartData GeneratorCheckChart(const RecordComparison& comparison, const std::string& station,
                              const CheckedVariable& variable);

// The same from GeneratorCheckforSTATN.csv of the folder; InputError naming the file when it is
// missing or malformed.
ChartData GeneratorCheckChart(const std::filesystem::path& folder, const std::string& station,
                              const CheckedVariable& variable);

}  // namespace kelvaro
