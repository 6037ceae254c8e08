#include "balance/bare_soil_evaporation.h"

#include <cmath>

#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

constexpr float kStageTwoFactor = 2.6f;  // mm per square root of mm of potential evaporation

}  // namespace

float EvaporationFactor(float mean_eto_mm) { return 1.05f - 0.03f * mean_eto_mm; }

float CumulativeEvaporation(float potential_mm) {
  if (potential_mm <= 0.0f) return potential_mm;
  const float root = std::sqrt(potential_mm);
  return root >= kStageTwoFactor ? kStageTwoFactor * root : potential_mm;
}

void AccumulateBareSoilEvaporation(const WeatherDay& day, BareSoilState& state,
                                   YearDayTable& table) {
  using Series = YearDayTable::Series;
  const float rain_mm = IsMissing(day.pcp) ? 0.0f : day.pcp;
  const float eto_mm = day.eto > 0.0f ? day.eto : state.previous_eto_mm;
  state.days_since_wetting += 1;
  state.eto_since_wetting_mm += eto_mm;
  const float running_mean = state.eto_since_wetting_mm / state.days_since_wetting;
  if (rain_mm > running_mean) {  // a wetting; rain equal to the mean is not one
    state.eto_since_wetting_mm = eto_mm;
    state.days_since_wetting = 1;
    state.evaporation_mm = 0.0f;
  }
  const float mean_eto = state.eto_since_wetting_mm / state.days_since_wetting;
  const float potential = EvaporationFactor(mean_eto) * state.eto_since_wetting_mm;
  const float cumulative = CumulativeEvaporation(potential);

  const int year_index = day.year - table.first_year() + 1;
  table.Set(Series::kETo, year_index, day.doy, eto_mm);
  table.Set(Series::kPcp, year_index, day.doy, rain_mm);
  if (eto_mm != 0.0f) {
    table.Set(Series::kOKc, year_index, day.doy, (cumulative - state.evaporation_mm) / eto_mm);
  }
  state.previous_eto_mm = eto_mm;
  state.evaporation_mm = cumulative;
}

YearDayTable BalanceWeatherTable(const WorkingDailyFile& file) {
  const int first_year = file.days.front().year;
  YearDayTable table(first_year, file.days.back().year - first_year + 1);
  BareSoilState state;
  for (const WeatherDay& day : file.days) {
    AccumulateBareSoilEvaporation(day, state, table);
    table.SetDaysInYear(day.year - first_year + 1, day.doy);
  }
  return table;
}

}  // namespace kelvaro
