#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/chart_data.h"

namespace kelvaro {

// A column the weather charts can show: its place among the seven value columns of the monthly
// and daily statistics rows (Solar, TMax, TMin, Wind, Td, Pcp, then NRD or ETo) and its unit.
struct WeatherVariable {
  const char* name;
  int column;
  const char* unit;
};

inline constexpr WeatherVariable kGeneratedVariables[] = {
    {"Solar", 0, "MJ/m^2"}, {"TMax", 1, "oC"}, {"TMin", 2, "oC"},  {"Wind", 3, "m/s"},
    {"Td", 4, "oC"},        {"Pcp", 5, "mm"},  {"NRD", 6, "days"},
};
inline constexpr WeatherVariable kDailyStatisticsVariables[] = {
    {"Solar", 0, "MJ/m^2"}, {"TMax", 1, "oC"}, {"TMin", 2, "oC"}, {"Wind", 3, "m/s"},
    {"Td", 4, "oC"},        {"Pcp", 5, "mm"},  {"ETo", 6, "mm"},
};

// The variable of that name in `variables` (letter case ignored), if there is one.
template <size_t N>
std::optional<WeatherVariable> FindVariable(const WeatherVariable (&variables)[N],
                                            std::string_view name);

// A generated run's monthly means of `variable` against its input: the station's ".mon" and
// the two blocks of the generator's ".wxr" (simulated, then rescaled to the input). Throws
// InputError naming the file when one is missing or the ".wxr" is not the generator's.
ChartData GeneratedMonthlyChart(const std::filesystem::path& folder, const std::string& station,
                                const WeatherVariable& variable);

// The statistics' daily means of `variable` (".avg") with a band of one standard deviation
// (".sdv") either side. Throws InputError naming the file when one is missing or cut short.
ChartData DailyStatisticsChart(const std::filesystem::path& folder, const std::string& station,
                               const WeatherVariable& variable);

}  // namespace kelvaro

#include "weatherio/letter_case.h"

template <size_t N>
std::optional<kelvaro::WeatherVariable> kelvaro::FindVariable(const WeatherVariable (&variables)[N],
                                                              std::string_view name) {
  for (const WeatherVariable& variable : variables) {
    if (EqualsIgnoringCase(variable.name, name)) return variable;
  }
  return std::nullopt;
}
