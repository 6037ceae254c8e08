#pragma once

#include <functional>

#include "balance/crop_coefficients.h"
#include "balance/crop_sums.h"
#include "balance/irrigation_thresholds.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"
#include "session/reporter.h"

namespace kelvaro {

// One day of a crop's balance, as the daily file shows it (mm unless noted).
struct DailyBalanceRow {
  int year = 0;  // calendar year
  int doy = 0;
  float okc = 0.0f;
  float ikc = 0.0f;
  float cckc = 0.0f;
  float eto = 0.0f;
  float kc = 0.0f;
  float etc = 0.0f;
  float pcp = 0.0f;
  float swd = 0.0f;   // depletion at the end of the day, after effective rain
  float swdx = 0.0f;  // the day's threshold
  float fc = 0.0f;
  float pwp = 0.0f;
  float swc = 0.0f;
  float ytd = 0.0f;
};

using DailyRowSink = std::function<void(const DailyBalanceRow&)>;

// Where balances of the same crop differ. The normal year of a crop takes the day's rain off the
// depletion as soon as the day's ETc is in (and then still takes the effective rain).
struct BalanceRules {
  bool rain_at_once_in_season = false;
};

// Largest depletion (mm) of the soil outside the season: 300 mm of soil at the crop's allowable
// depletion.
float BareSoilDepletionLimit(const CropRow& row);

// Runs one crop day by day over every year of `table`, irrigating whenever the depletion reaches
// the day's threshold. Hands each day to `sink` and traces the day-365 threshold lines.
CropSums RunSoilWaterBalance(const CropRow& row, const CropCoefficients& coefficients,
                             const IrrigationThresholds& thresholds, const YearDayTable& table,
                             Reporter& reporter, const DailyRowSink& sink,
                             const BalanceRules& rules = {});

}  // namespace kelvaro
