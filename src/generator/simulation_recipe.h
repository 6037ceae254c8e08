#pragma once

#include <array>
#include <optional>

#include "generator/generator_parameters.h"
#include "generator/monthly_statistics.h"
#include "weatherio/monthly_means_file.h"

namespace kelvaro {

// Where a simulation's daily ETo comes from: none (weather only), the second temperature process
// itself (ETo simulated as a series), or Hargreaves-Samani of the simulated temperatures.
enum class DailyEto { kNone, kSecondProcess, kHargreaves };

// What the pass over the simulated days writes beside .tmp: rescaled weather with each year's
// smooth wind (.gen), or the working daily file (.wrk).
enum class SecondPass { kWeatherWithWindCurve, kWorkingFile };

// Which quantities are rescaled, and how.
struct RescalingRules {
  QuantitySet ratio = 0;              // by ratio; a simulated mean of 0 is left as it is
  QuantitySet ratio_if_positive = 0;  // by ratio where the input is positive; a month simulated
                                      // at 0 throughout takes the input (a calm month's wind)
  QuantitySet shifted = 0;            // by the difference of the means
};

// A statistics file's optional title line (taking the station and the number of years) and its
// two column lines.
struct StatisticsLayout {
  const char* title = nullptr;
  const char* columns = kStatisticsColumns;
};

// What sets one simulation from monthly means apart from the others. The loop that reads the
// table, simulates the years, forms the statistics and rescales is shared; only these differ.
struct SimulationRecipe {
  MonthlyColumns columns = MonthlyColumns::kWithoutEto;
  QuantitySet required = 0;  // values every month of the table must hold (not -999)
  const char* purpose = "";  // "generate weather", for the refusal of a missing value
  // The column of the table that fills each generator process (Solar, TMax, TMin, Wind, Td,
  // Pcp, NRD) and the monthly ETo the days are rescaled to; Td may be a constant instead.
  std::array<Quantity, kQuantityCount> filled_from{kSolar, kTMax, kTMin, kWind,
                                                   kTd,    kPcp,  kNrd,  kEto};
  std::optional<float> constant_td;
  ProcessUnits units;
  DailyEto daily_eto = DailyEto::kNone;
  RescalingRules rescaling;
  // Columns of the daily files that carry values (Solar..Td, and ETo); the others hold -999.
  QuantitySet daily_columns = 0;
  QuantitySet reported_means = 0;
  QuantitySet reported_deviations = 0;
  const char* tmp_columns = "";          // column-name and unit lines of .tmp
  const char* second_columns = nullptr;  // those of the second-pass file, if they differ
  StatisticsLayout wxr, std_dev, cve;
  bool simulated_means_with_eto = false;  // .wxr first block
  bool rescaled_means_with_eto = false;   // .wxr second block
  SecondPass second_pass = SecondPass::kWorkingFile;
};

// Where the Hargreaves-Samani ETo of a simulated day is computed.
struct EtoSite {
  float latitude_rad = 0.0f;
  float pi = 0.0f;
};

// One simulated day (working units: oF, langleys) in output units: MJ/m^2, oC, m/s, mm. The
// second process stays as it is when it is not a temperature. A daily ETo below 0 becomes 0; a
// Hargreaves-Samani ETo takes J = the day index (0 for 1 January), not the day of year.
DayValues DayInOutputUnits(const SimulatedYear& year, size_t day_index,
                           const SimulationRecipe& recipe, const EtoSite& site);

// The value of one quantity of a monthly row, and its place to fill.
float MonthValue(const MonthlyMeans& month, size_t quantity);
float& MonthValue(MonthlyMeans& month, size_t quantity);

}  // namespace kelvaro
