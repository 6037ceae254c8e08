#include <benchmark/benchmark.h>

#include <filesystem>

#include "generator/generate_weather.h"
#include "session/reporter.h"
#include "session/run_parameters.h"
#include "session/session.h"

namespace {

// 49 generated years for one station from its monthly means, all five files written.
void BM_GenerateWeather49Years(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kelvaro-generate-weather-bench";
  fs::create_directories(folder);
  fs::copy_file(fs::path(KELVARO_STATION_DATA_DIR) / "MARIC.mon", folder / "MARIC.mon",
                fs::copy_options::overwrite_existing);
  kelvaro::RunParameters run;
  run.Station = "MARIC";
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.Years = "49";
  run.ext = "mon";
  kelvaro::RecordingReporter reporter;
  kelvaro::Session session(folder, reporter);
  for (auto _ : state) kelvaro::GenerateWeather(run, session);
  state.counters["days/s"] = benchmark::Counter(
      49.0 * 365.25 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  fs::remove_all(folder);
}
BENCHMARK(BM_GenerateWeather49Years)->Unit(benchmark::kMillisecond);

}  // namespace
