#include "cli/demo_command.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "cli/run_command.h"
#include "cli/study_area_report.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct DemoRun {
  const char* title;
  const char* input;
  const char* years;
  const char* folder;  // each run in its own folder, so one does not replace the other's results
};

// Maricopa, Arizona (AZMET station 06): measured daily weather 2003-2020, its monthly means,
// and study area 1.
constexpr DemoRun kDemoRuns[] = {
    {"Measured daily weather", "day", "", "daily"},
    {"30 years generated from the monthly means", "mon", "30", "monthly"},
};

void CopyExamples(const fs::path& into) {
  fs::create_directories(into);
  for (const auto& entry : fs::directory_iterator(KELVARO_EXAMPLES_DIR)) {
    if (!entry.is_regular_file()) continue;
    fs::copy_file(entry.path(), into / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
}

// Mean annual ETo and rain of a working daily file, over its whole years.
void PrintWorkingFileSummary(const fs::path& dir, const std::string& stem) {
  const auto file = ReadTextFile(FindInFolder(dir, stem + ".wrk"));
  if (!file) return;
  std::map<std::string, std::pair<double, double>> totals;  // year -> (ETo, Pcp)
  for (const WeatherDay& day : ParseWeatherDays(*file, true)) {
    auto& [eto, pcp] = totals[std::string(Trim(day.year_text))];
    if (day.eto > -999.0f) eto += day.eto;
    if (day.pcp > -999.0f) pcp += day.pcp;
  }
  double eto_sum = 0.0;
  double pcp_sum = 0.0;
  for (const auto& [year, sums] : totals) {
    eto_sum += sums.first;
    pcp_sum += sums.second;
  }
  const double years = static_cast<double>(totals.size());
  if (years == 0) return;
  std::printf("  %s.wrk: %zu years, mean annual ETo %.0f mm, mean annual rain %.0f mm\n",
              stem.c_str(), totals.size(), eto_sum / years, pcp_sum / years);
}

int RunDemo(const fs::path& dir) {
  int status = kExitDone;
  for (const DemoRun& demo : kDemoRuns) {
    const fs::path folder = dir / demo.folder;
    CopyExamples(folder);
    std::cout << "\n"
              << demo.title << " (MARIC." << demo.input << ", study area 1) in "
              << fs::absolute(folder).string() << "\n";
    RunOptions options;
    options.input = demo.input;
    options.station = "MARIC";
    options.latitude = "33.07";
    options.elevation = "361";
    options.sa = "1";
    options.years = demo.years;
    options.dir = folder;
    ConsoleReporter reporter(false);
    const int run_status = RunChainFromOptions(options, reporter);
    if (run_status != kExitDone) {
      status = run_status;
      continue;
    }
    PrintWorkingFileSummary(folder, "MARIC");
    PrintStudyAreaReport(folder, "00001");
  }
  std::cout << "\nResults are in " << fs::absolute(dir).string()
            << " (daily/ and monthly/); open the .CSV, .EAW, .mtv, .saw and .set files in a "
               "spreadsheet.\n";
  return status;
}

}  // namespace

void AddDemoCommand(CLI::App& app) {
  auto dir = std::make_shared<fs::path>("kelvaro-demo");
  CLI::App* demo = app.add_subcommand(
      "demo", "Copy the bundled example data into a folder and run it through the program");
  demo->add_option("--dir", *dir, "Folder for the example data and results (default kelvaro-demo)");
  demo->callback([dir] { RunCommand([&] { return RunDemo(*dir); }); });
}

}  // namespace kelvaro::cli
