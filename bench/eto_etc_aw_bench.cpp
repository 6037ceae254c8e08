// The water balance of a 100-crop study area over 49 years of daily weather, files included:
// reading the working daily file and the crop file, and writing 300 crop files and 2 summaries.

// GCC 12 reports a false overlap when inlining short std::string assignments here.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "balance/eto_etc_aw.h"
#include "crops/crop_row.h"
#include "session/reporter.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/calendar.h"
#include "weatherio/row_format.h"

namespace {

using namespace kelvaro;

constexpr int kYears = 49;
constexpr int kCrops = 100;

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Seasonal ETo from 1 to 8 mm and rain on a fixed pseudo-random pattern, mostly in winter.
std::string WorkingFile() {
  std::string text =
      " BENCH,38.5,  18\n"
      "  Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n"
      "     #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
  unsigned state = 1;
  for (int year = 1970; year < 1970 + kYears; ++year) {
    for (int doy = 1; doy <= DaysInYear(year); ++doy) {
      state = state * 1103515245u + 12345u;
      const MonthAndDay md = MonthAndDayOfYear(doy, year);
      const double eto = 4.5 - 3.5 * std::cos(2 * 3.14159265 * (doy - 15) / 365.0);
      const bool winter = md.month <= 3 || md.month >= 11;
      const double rain = (state >> 16) % (winter ? 5 : 40) == 0 ? (state >> 8) % 30 : 0.0;
      text += Printf("%6d,%5d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", year, md.month,
                     md.day, doy, 20.0, 25.0, 10.0, 2.0, 5.0, rain, eto);
    }
  }
  return text;
}

// A hundred crops of the four classes with seasons spread over the year.
std::string CropFile() {
  std::string text = CropFileHeader();
  for (int k = 0; k < kCrops; ++k) {
    CropRow row;
    const int crop_class = 1 + k % 4;
    row.planting_doy = 1 + (k * 37) % 365;
    row.ending_doy = 1 + (row.planting_doy + 120 + (k * 13) % 200) % 365;
    row.code = Printf("SA00001C%d.01%d", crop_class, k);
    row.name = Printf("Crop%d", k);
    row.max_soil_depth_mm = 1500.0f;
    row.max_root_depth_mm = 1000.0f + 10.0f * k;
    row.allowable_depletion_pct = 50.0f;
    row.available_water = 0.15f;
    row.plant_available_water_mm = 150.0f;
    row.yield_threshold_mm = 75.0f;
    row.wetting_frequency_days = 10 + k % 25;
    row.ground_cover_pct = {20, 40, 60, 70};
    row.cover_crop_doy = {k % 2 ? 300 : 0, k % 2 ? 360 : 0, 0, 0};
    row.stage_pct = {10, 40, 80};
    row.kc = {0.3f, 1.1f, 0.5f};
    if (k % 3 == 0) row.pre_irrigated.assign(1, 'Y');
    text += FormatCropRow(row);
  }
  return text;
}

class NullReporter : public Reporter {
 public:
  void MessageBox(const std::string&) override {}
  void Trace(const std::string&) override {}
};

void BM_EToETcAW_49Years100Crops(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "kelvaro-eto-etc-aw-bench";
  std::filesystem::create_directories(folder);
  WriteText(folder / "BENCH.wrk", WorkingFile());
  WriteText(folder / "SA00001.CSV", CropFile());
  RunParameters run;
  run.Station.assign("BENCH");
  run.SA.assign("1");
  NullReporter reporter;
  for (auto _ : state) {
    Session session(folder, reporter);
    EToETcAW(run, session);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EToETcAW_49Years100Crops)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
