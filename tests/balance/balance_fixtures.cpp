#include "balance/balance_fixtures.h"

#include <algorithm>
#include <stdexcept>

#include "balance/bare_soil_evaporation.h"
#include "balance/crop_coefficients.h"
#include "session/reporter.h"
#include "session/session.h"
#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro::testing {

std::vector<WeatherDay> MakeYears(int first_year, int year_count,
                                  const std::function<void(WeatherDay&)>& weather) {
  std::vector<WeatherDay> days;
  for (int year = first_year; year < first_year + year_count; ++year) {
    for (int doy = 1; doy <= DaysInYear(year); ++doy) {
      WeatherDay day;
      day.year = year;
      day.doy = doy;
      const MonthAndDay md = MonthAndDayOfYear(doy, year);
      day.month = md.month;
      day.day = md.day;
      day.solar = 20.0f;
      day.tmax = 25.0f;
      day.tmin = 10.0f;
      day.wind = 2.0f;
      day.td = 5.0f;
      weather(day);
      days.push_back(day);
    }
  }
  return days;
}

std::string WorkingFileText(const std::vector<WeatherDay>& days) {
  std::string text =
      " TESTS,38.5, 100\n"
      "  Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n"
      "     #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
  for (const auto& d : days) {
    text += Printf("%6d,%5d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", d.year, d.month,
                   d.day, d.doy, d.solar, d.tmax, d.tmin, d.wind, d.td, d.pcp, d.eto);
  }
  return text;
}

std::string WorkingFileFromStation(const std::string& day_file_name) {
  const auto path = StationDataPath(day_file_name);
  const auto file = ReadTextFile(path);
  if (!file) throw std::runtime_error("cannot read the station record " + path.string());
  std::vector<WeatherDay> days = ParseWeatherDays(*file, false);
  for (WeatherDay& d : days) {
    d.year = ParseInt(d.year_text);
    const bool missing = IsMissing(d.solar) || IsMissing(d.tmax) || IsMissing(d.tmin);
    // Radiation in mm of evaporation (MJ/m^2 / 2.45) times the temperature term.
    d.eto = missing ? kMissing
                    : std::max(0.0135f * ((d.tmax + d.tmin) / 2 + 17.8f) * d.solar / 2.45f, 0.0f);
  }
  return WorkingFileText(days);
}

CropRow MakeCrop(int crop_class, const std::string& name, int planting, int ending) {
  CropRow row;
  row.code = "SA00012C" + std::to_string(crop_class) + ".01" + std::to_string(planting) +
             std::to_string(ending) + "MNMks1.0000IF30N";
  row.name = name;
  row.planting_doy = planting;
  row.ending_doy = ending;
  row.area_ha = 10;
  row.max_soil_depth_mm = 1500.0f;
  row.max_root_depth_mm = 1000.0f;
  row.allowable_depletion_pct = 50.0f;
  row.available_water = 0.15f;
  row.plant_available_water_mm = 150.0f;
  row.yield_threshold_mm = 75.0f;
  row.wetting_frequency_days = 30;
  row.stage_pct = {10, 30, 80};
  row.kc = {1.0f, 1.0f, 1.0f};
  return row;
}

std::string CropFileText(const std::vector<CropRow>& rows) {
  std::string text = CropFileHeader();
  for (const auto& row : rows) text += FormatCropRow(row);
  return text;
}

YearDayTable TableFor(const std::vector<WeatherDay>& days) {
  const int first = days.front().year;
  YearDayTable table(first, days.back().year - first + 1);
  BareSoilState state;
  for (const auto& day : days) {
    AccumulateBareSoilEvaporation(day, state, table);
    table.SetDaysInYear(day.year - first + 1, day.doy);
  }
  return table;
}

const DailyBalanceRow& CropRun::Day(int year_index, int doy) const {
  const int year = rows.front().year + year_index - 1;
  for (const auto& row : rows) {
    if (row.year == year && row.doy == doy) return row;
  }
  throw std::out_of_range("no such day");
}

CropRun RunCrop(const CropRow& row, const std::vector<WeatherDay>& days) {
  YearDayTable table = TableFor(days);
  const auto coefficients = BuildCropCoefficients(row, table, kStartPi);
  CropRun run;
  run.thresholds = PlaceIrrigations(row, coefficients.stages, table);
  RecordingReporter reporter;
  run.sums = RunSoilWaterBalance(row, coefficients, run.thresholds, table, reporter,
                                 [&run](const DailyBalanceRow& day) { run.rows.push_back(day); });
  run.traces = reporter.traces();
  return run;
}

}  // namespace kelvaro::testing
