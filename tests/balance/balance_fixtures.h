#pragma once

#include <functional>
#include <string>
#include <vector>

#include "balance/crop_sums.h"
#include "balance/irrigation_thresholds.h"
#include "balance/soil_water_balance.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"
#include "weatherio/weather_records.h"

namespace kelvaro::testing {

// Days of whole years from `first_year`, each with the ETo and rain `weather` gives for
// (year, doy); other columns are plausible constants.
std::vector<WeatherDay> MakeYears(int first_year, int year_count,
                                  const std::function<void(WeatherDay&)>& weather);

// A ".wrk" text with its three header lines.
std::string WorkingFileText(const std::vector<WeatherDay>& days);

// A ".wrk" text made from a real station's ".day" file with a simple radiation-based ETo
// (Hargreaves' radiation form), good enough for checks that do not depend on ETo's exact values.
std::string WorkingFileFromStation(const std::string& day_file_name);

// A crop row of the given class (the ninth character of its code) with a plain season; tests
// change what they need.
CropRow MakeCrop(int crop_class, const std::string& name, int planting, int ending);

// A crop file text with its header and the given rows.
std::string CropFileText(const std::vector<CropRow>& rows);

// The weather of `days` loaded the way the water balance loads it.
YearDayTable TableFor(const std::vector<WeatherDay>& days);

// One crop run through coefficients, thresholds and the daily balance, everything kept.
struct CropRun {
  IrrigationThresholds thresholds;
  std::vector<DailyBalanceRow> rows;
  CropSums sums{0};
  std::vector<std::string> traces;
  const DailyBalanceRow& Day(int year_index, int doy) const;
};
CropRun RunCrop(const CropRow& row, const std::vector<WeatherDay>& days);

}  // namespace kelvaro::testing
