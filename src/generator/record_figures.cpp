#include "generator/record_figures.h"

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

// Sums of one month's values, in double so that decades of days lose nothing.
struct Moments {
  double sum = 0.0;
  double squares = 0.0;
  int count = 0;
  void Add(float value) {
    if (IsMissing(value)) return;
    sum += value;
    squares += static_cast<double>(value) * value;
    ++count;
  }
  float Mean() const { return count == 0 ? kMissing : static_cast<float>(sum / count); }
  float Sd() const {
    if (count == 0) return kMissing;
    const double mean = sum / count;
    return static_cast<float>(std::sqrt(std::max(0.0, squares / count - mean * mean)));
  }
};

float DailyValue(const WeatherDay& day, size_t variable) {
  switch (variable) {
    case kDailyTMax:
      return day.tmax;
    case kDailyTMin:
      return day.tmin;
    case kDailyTd:
      return day.td;
    case kDailySolar:
      return day.solar;
    case kDailyWind:
      return day.wind;
    default:
      return day.eto;
  }
}

bool Follows(const WeatherDay& previous, const WeatherDay& day) {
  if (day.year == previous.year) return day.doy == previous.doy + 1;
  return day.year == previous.year + 1 && day.doy == 1 && previous.doy == DaysInYear(previous.year);
}

float Ratio(double total, int count) {
  return count == 0 ? kMissing : static_cast<float>(total / count);
}

// Wet and dry spells, each counted in the month it begins; a missing rain value or a gap in the
// dates ends a spell.
void AddSpells(const std::vector<WeatherDay>& days, RecordFigures& figures) {
  std::array<Moments, 13> wet{};
  std::array<Moments, 13> dry{};
  std::optional<bool> spell_is_wet;
  int spell_month = 0;
  int length = 0;
  auto close = [&] {
    if (!spell_is_wet) return;
    auto& spells = *spell_is_wet ? wet : dry;
    spells[static_cast<size_t>(spell_month - 1)].Add(static_cast<float>(length));
    spells[kWholeYear].Add(static_cast<float>(length));
    spell_is_wet.reset();
  };
  for (size_t i = 0; i < days.size(); ++i) {
    const WeatherDay& day = days[i];
    if (IsMissing(day.pcp) || (i > 0 && !Follows(days[i - 1], day))) close();
    if (IsMissing(day.pcp)) continue;
    const bool is_wet = day.pcp >= kWetDayMm;
    if (spell_is_wet && *spell_is_wet == is_wet) {
      ++length;
      continue;
    }
    close();
    spell_is_wet = is_wet;
    spell_month = day.month;
    length = 1;
  }
  close();
  for (size_t m = 0; m <= kWholeYear; ++m) {
    figures.wet_spell[m] = wet[m].Mean();
    figures.dry_spell[m] = dry[m].Mean();
  }
}

void AddAnnualEto(const std::vector<WeatherDay>& days, RecordFigures& figures) {
  std::map<int, std::pair<int, double>> years;  // days with ETo, their sum
  std::set<int> incomplete;
  for (const WeatherDay& day : days) {
    if (IsMissing(day.eto)) incomplete.insert(day.year);
    auto& [count, sum] = years[day.year];
    ++count;
    sum += IsMissing(day.eto) ? 0.0 : day.eto;
  }
  Moments annual;
  for (const auto& [year, count_and_sum] : years) {
    if (count_and_sum.first == DaysInYear(year) && !incomplete.contains(year)) {
      annual.Add(static_cast<float>(count_and_sum.second));
    }
  }
  figures.annual_eto_mean = annual.Mean();
  figures.annual_eto_sd = annual.Sd();
}

}  // namespace

int WholeYears(const std::vector<WeatherDay>& days) {
  std::map<int, int> counts;
  for (const WeatherDay& day : days) ++counts[day.year];
  int whole = 0;
  for (const auto& [year, count] : counts) whole += count == DaysInYear(year) ? 1 : 0;
  return whole;
}

RecordFigures FiguresOf(const std::vector<WeatherDay>& days) {
  RecordFigures figures;
  std::array<std::array<Moments, 12>, kDailyVariableCount> daily{};
  std::array<double, 12> rain{};
  std::array<double, 12> wet_days{};
  std::array<std::set<int>, 12> years_with_rain{};
  for (const WeatherDay& day : days) {
    if (day.month < 1 || day.month > 12) continue;
    const auto m = static_cast<size_t>(day.month - 1);
    for (size_t v = 0; v < kDailyVariableCount; ++v) daily[v][m].Add(DailyValue(day, v));
    if (IsMissing(day.pcp)) continue;
    rain[m] += day.pcp;
    wet_days[m] += day.pcp >= kWetDayMm ? 1.0 : 0.0;
    years_with_rain[m].insert(day.year);
  }
  for (size_t m = 0; m < 12; ++m) {
    for (size_t v = 0; v < kDailyVariableCount; ++v) {
      figures.daily[v].mean[m] = daily[v][m].Mean();
      figures.daily[v].sd[m] = daily[v][m].Sd();
    }
    const auto years = static_cast<int>(years_with_rain[m].size());
    figures.rain[m] = Ratio(rain[m], years);
    figures.wet_days[m] = Ratio(wet_days[m], years);
    figures.rain[kWholeYear] += years == 0 ? 0.0f : figures.rain[m];
    figures.wet_days[kWholeYear] += years == 0 ? 0.0f : figures.wet_days[m];
  }
  AddSpells(days, figures);
  AddAnnualEto(days, figures);
  figures.whole_years = WholeYears(days);
  return figures;
}

}  // namespace kelvaro
