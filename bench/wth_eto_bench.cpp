// Daily ETo for 49 years of daily weather, reading and writing the files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "eto/wth_eto.h"
#include "session/reporter.h"
#include "session/session.h"
#include "weatherio/calendar.h"
#include "weatherio/row_format.h"

namespace {

namespace fs = std::filesystem;

// 49 years of plausible daily weather for a mid-latitude station.
void WriteDailyWeather(const fs::path& path) {
  std::ofstream out(path);
  out << " BENCH,38.5,18.5\nnames\nunits\n";
  for (int year = 1970; year < 2019; ++year) {
    for (int doy = 1; doy <= kelvaro::DaysInYear(year); ++doy) {
      const auto date = kelvaro::MonthAndDayOfYear(doy, year);
      const double season = doy / 366.0;
      out << kelvaro::Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", year,
                             date.month, date.day, doy, 10 + 20 * season, 15 + 15 * season,
                             3 + 10 * season, 2.0, 5.0, doy % 9 == 0 ? 4.0 : 0.0);
    }
  }
}

void BM_WTHETo49Years(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / "kelvaro-bench-wtheto";
  fs::create_directories(dir);
  WriteDailyWeather(dir / "BENCH.day");
  kelvaro::RecordingReporter reporter;
  kelvaro::RunParameters run;
  run.Station = "BENCH";
  run.Latitude = "38.5";
  run.Elevation = "18.5";
  run.ext = "day";
  for (auto _ : state) {
    kelvaro::Session session(dir, reporter);
    kelvaro::WTHETo(run, session);
  }
  state.counters["days/s"] = benchmark::Counter(
      49.0 * 365.25 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  fs::remove_all(dir);
}
BENCHMARK(BM_WTHETo49Years)->Unit(benchmark::kMillisecond);

}  // namespace
