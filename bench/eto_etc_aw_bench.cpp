// The water balance of a 100-crop study area over 49 years of daily weather (1.79 million
// crop-days), files included: reading the working daily file and the crop file, and writing 300
// crop files and 2 summaries (187 MB). Where the time goes on one thread, and the whole run on
// one, two and four threads.

// GCC 12 reports a false overlap when inlining short std::string assignments here.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "balance/bare_soil_evaporation.h"
#include "balance/crop_coefficients.h"
#include "balance/crop_output_files.h"
#include "balance/eto_etc_aw.h"
#include "balance/irrigation_thresholds.h"
#include "balance/soil_water_balance.h"
#include "crops/crop_row.h"
#include "session/reporter.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/calendar.h"
#include "weatherio/row_format.h"
#include "weatherio/working_daily_file.h"

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
std::string CropFileText() {
  std::string text = CropFileHeader();
  for (int k = 0; k < kCrops; ++k) {
    CropRow row;
    const int crop_class = 1 + k % 4;
    row.planting_doy = 1 + (k * 37) % 365;
    row.ending_doy = 1 + (row.planting_doy + 120 + (k * 13) % 200) % 365;
    row.code = Printf("SA00001C%d.01%d", crop_class, k);
    row.name = Printf("Crop%d", k);
    row.area_ha = 10;
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

namespace fs = std::filesystem;

// The study areas' folder: SA 1 with the hundred crops, SA 2 with the first twenty-five.
class StudyAreaFolder {
 public:
  StudyAreaFolder() : path_(fs::temp_directory_path() / "kelvaro-eto-etc-aw-bench") {
    fs::create_directories(path_);
    WriteText(path_ / "BENCH.wrk", WorkingFile());
    const std::string crops = CropFileText();
    WriteText(path_ / "SA00001.CSV", crops);
    size_t end = 0;
    for (int line = 0; line < 3 + kCrops / 4; ++line) end = crops.find('\n', end) + 1;
    WriteText(path_ / "SA00002.CSV", crops.substr(0, end));
  }
  ~StudyAreaFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const StudyAreaFolder& Folder() {
  static const StudyAreaFolder folder;
  return folder;
}

RunParameters StudyArea(int sa) {
  RunParameters run;
  run.Station.assign("BENCH");
  run.SA.assign(std::to_string(sa));
  return run;
}

void RunStudyArea(int sa, int jobs) {
  NullReporter reporter;
  Session session(Folder().path(), reporter);
  session.jobs = jobs;
  EToETcAW(StudyArea(sa), session);
}

double Seconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Peak resident memory of the process since ResetPeakMemory(), in MiB (Linux).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0.0;
}

struct StudyAreaInputs {
  WorkingDailyFile weather;
  CropFile crops;
  YearDayTable table;
};

StudyAreaInputs ReadInputs() {
  auto weather = ReadWorkingDailyFile(Folder().path() / "BENCH.wrk");
  auto crops = ReadCropFile(Folder().path() / "SA00001.CSV");
  YearDayTable table = BalanceWeatherTable(*weather);
  return {std::move(*weather), std::move(*crops), std::move(table)};
}

// Every crop's coefficients, thresholds and daily balance on one thread, each day handed to
// `sink`; returns the crop-days.
long BalanceEveryCrop(const StudyAreaInputs& inputs, const DailyRowSink& sink) {
  YearDayTable table = inputs.table;
  NullReporter reporter;
  long days = 0;
  const DailyRowSink counting = [&](const DailyBalanceRow& row) {
    ++days;
    sink(row);
  };
  for (const CropRow& row : inputs.crops.rows) {
    const CropCoefficients coefficients = BuildCropCoefficients(row, table, kStartPi);
    const IrrigationThresholds thresholds = PlaceIrrigations(row, coefficients.stages, table);
    RunSoilWaterBalance(row, coefficients, thresholds, table, reporter, counting);
  }
  return days;
}

// Where one thread's time goes in the 100-crop study area: reading the working and crop files,
// the balance itself, formatting the daily rows, and writing every file (the whole run less the
// other three).
void BM_StudyAreaStages(benchmark::State& state) {
  double read = 0, balance = 0, rows = 0, whole = 0;
  long crop_days = 0;
  size_t bytes = 0;
  for (auto _ : state) {
    std::optional<StudyAreaInputs> inputs;
    read += Seconds([&] { inputs.emplace(ReadInputs()); });
    balance +=
        Seconds([&] { crop_days = BalanceEveryCrop(*inputs, [](const DailyBalanceRow&) {}); });
    rows += Seconds([&] {
      char text[kDailyRowRoom];
      BalanceEveryCrop(*inputs, [&](const DailyBalanceRow& row) {
        bytes += static_cast<size_t>(WriteDailyRowText(text, row) - text);
      });
    });
    whole += Seconds([] { RunStudyArea(1, 1); });
  }
  benchmark::DoNotOptimize(bytes);
  const double n = static_cast<double>(state.iterations());
  state.counters["read_ms"] = 1e3 * read / n;
  state.counters["balance_ms"] = 1e3 * balance / n;
  state.counters["rows_ms"] = 1e3 * (rows - balance) / n;
  state.counters["write_ms"] = 1e3 * (whole - read - rows) / n;
  state.counters["whole_ms"] = 1e3 * whole / n;
  state.counters["crop_days/s"] = static_cast<double>(crop_days) * n / whole;
}
BENCHMARK(BM_StudyAreaStages)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole water balance of a study area with files, as a run does it, on `jobs` threads:
// wall time, crop-days per second and the peak memory (which should not grow with the crops;
// memory a run before left with the allocator counts too, so compare runs on as many threads).
void BM_StudyArea(benchmark::State& state) {
  const int jobs = static_cast<int>(state.range(0));
  const int sa = state.range(1) == kCrops ? 1 : 2;
  RunStudyArea(sa, jobs);  // the result files exist from here on, as for a rerun
  ResetPeakMemory();
  for (auto _ : state) RunStudyArea(sa, jobs);
  int days = 0;
  for (int year = 1970; year < 1970 + kYears; ++year) days += DaysInYear(year);
  const double crop_days = static_cast<double>(state.range(1)) * days;
  state.counters["crop_days/s"] = benchmark::Counter(
      crop_days * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = PeakMemoryMiB();
}
BENCHMARK(BM_StudyArea)
    ->ArgNames({"jobs", "crops"})
    ->Args({1, kCrops})
    ->Args({2, kCrops / 4})
    ->Args({2, kCrops})
    ->Args({4, kCrops})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(2.0);

}  // namespace
