#include "balance/irrigation_thresholds.h"

#include <cmath>

namespace kelvaro {
namespace {

using Series = YearDayTable::Series;

// ETc of season day `f` of year `year`: a day past the length of the year before is read from
// the early days of the same year.
class SeasonETc {
 public:
  SeasonETc(const YearDayTable& table, int year)
      : table_(table),
        year_(year),
        previous_length_(table.FoldLength(year - 1)),
        length_(table.FoldLength(year)) {}

  float Day(int f) const {
    const int slot = f > previous_length_ ? f - length_ : f;
    return table_.Get(Series::kETo, year_, slot) * table_.Get(Series::kKc, year_, slot);
  }

  float Sum(int first, int last) const {
    float sum = 0.0f;
    for (int f = first; f <= last; ++f) sum += Day(f);
    return sum;
  }

 private:
  const YearDayTable& table_;
  int year_;
  int previous_length_;
  int length_;
};

struct InitialWettings {
  int count = 0;
  int end_day = 0;
};

// Wettings every `frequency` days from planting to B, plus the pre-irrigation if any.
InitialWettings CountInitialWettings(const CropRow& row, const StageDays& days) {
  const int frequency = WettingFrequencyDays(row);
  const int whole = (days.b - days.planting) / frequency;
  InitialWettings wettings;
  wettings.count = row.pre_irrigated == "Y" ? whole + 1 : whole;
  wettings.end_day = wettings.count == 0 ? days.b : days.planting + frequency * whole;
  return wettings;
}

// Finds the last irrigation: the first day after which the season's remaining ETc is less than
// the yield-threshold depletion, and spreads the ETc up to it over equal irrigations.
void ScanForLastIrrigation(const SeasonETc& etc, const StageDays& days, float ytd_mm,
                           float season_mm, float initial_mm, const InitialWettings& wettings,
                           int year, IrrigationThresholds& thresholds) {
  float running = 0.0f;
  for (int f = wettings.end_day + 1; f <= days.ending; ++f) {
    running += etc.Day(f);
    if (running + initial_mm > season_mm - ytd_mm) {
      thresholds.last_irrigation_day = f;
      // Counted in float: a tiny threshold or a huge ETc gives more irrigations than an int holds.
      const float irrigations = std::trunc(running / ytd_mm) + 1.0f;
      thresholds.mid[year] = running / irrigations;
      if (wettings.count == 0) thresholds.initial[year] = thresholds.mid[year];
      thresholds.last[year] = ytd_mm;
      thresholds.scan_stopped = true;
      thresholds.scan_initial_etc_mm = initial_mm;
      thresholds.scan_running_etc_mm = running;
      return;
    }
  }
}

}  // namespace

IrrigationThresholds PlaceIrrigations(const CropRow& row, const StageDays& days,
                                      const YearDayTable& table) {
  const size_t size = static_cast<size_t>(table.year_count() + 1);
  IrrigationThresholds thresholds{std::vector<float>(size, 0.0f), std::vector<float>(size, 0.0f),
                                  std::vector<float>(size, 0.0f), 0, 0};
  const InitialWettings wettings = CountInitialWettings(row, days);
  thresholds.initial_wetting_end = wettings.end_day;
  const float ytd_mm = row.yield_threshold_mm;
  for (int year = 1; year <= table.year_count(); ++year) {
    const SeasonETc etc(table, year);
    const float season_mm = etc.Sum(days.planting, days.ending);
    const float initial_mm = etc.Sum(days.planting, wettings.end_day);
    if (wettings.count != 0) thresholds.initial[year] = initial_mm / wettings.count;
    // A zero (or negative) threshold depletion leaves nothing to place.
    if (ytd_mm > 0.0f) {
      ScanForLastIrrigation(etc, days, ytd_mm, season_mm, initial_mm, wettings, year, thresholds);
    }
  }
  return thresholds;
}

}  // namespace kelvaro
