#include "cli/demo_command.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "cli/chart_command.h"
#include "cli/embedded_examples.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "cli/study_area_report.h"
#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/output_file.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct DemoRun {
  const char* title;
  const char* input;
  const char* years;
  const char* folder;  // each run in its own folder, so one does not replace the other's results
  const char* made_from = nullptr;  // the bundled file the input is a copy of, if it is one
  bool statistics = false;          // also the daily and monthly statistics of the working file
};

// Maricopa, Arizona (AZMET station 06): measured daily weather 2003-2020, its monthly means,
// and study area 1.
constexpr DemoRun kDemoRuns[] = {
    {"Measured daily weather", "day", "", "daily", nullptr, true},
    {"30 years generated from the monthly means", "mon", "30", "monthly"},
    {"Measured days reduced to monthly means, then 30 generated years", "dmn", "30", "reduced",
     "MARIC.day"},
};

void CopyExamples(const fs::path& into) {
  fs::create_directories(into);
  for (const EmbeddedFile& example : EmbeddedExamples()) {
    WriteWholeFile(into / example.name, example.content());
  }
}

// Mean annual ETo and rain of a working daily file.
void PrintWorkingFileSummary(const fs::path& dir, const std::string& stem) {
  const auto file = ReadWorkingDailyFile(FindInFolder(dir, stem + ".wrk"));
  if (!file || file->days.empty()) return;
  std::set<int> years;
  double eto_sum = 0.0;
  double pcp_sum = 0.0;
  for (const WeatherDay& day : file->days) {
    years.insert(day.year);
    if (!IsMissing(day.eto)) eto_sum += day.eto;
    if (!IsMissing(day.pcp)) pcp_sum += day.pcp;
  }
  const double year_count = static_cast<double>(years.size());
  std::printf("  %s.wrk: %zu years, mean annual ETo %.0f mm, mean annual rain %.0f mm\n",
              stem.c_str(), years.size(), eto_sum / year_count, pcp_sum / year_count);
}

int RunDemo(const fs::path& dir) {
  int status = kExitDone;
  for (const DemoRun& demo : kDemoRuns) {
    const fs::path folder = dir / demo.folder;
    CopyExamples(folder);
    if (demo.made_from != nullptr) {
      fs::copy_file(folder / demo.made_from, folder / ("MARIC." + std::string(demo.input)),
                    fs::copy_options::overwrite_existing);
    }
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
    if (demo.statistics && WriteStatistics("MARIC", folder, reporter) == kExitDone) {
      std::cout << "  MARIC.avg, .sdv, .cov (by day of year) and .wxr, .std, .cve (by month): "
                   "statistics of MARIC.wrk\n";
    }
    PrintStudyAreaReport(folder, "00001");
  }
  if (status == kExitDone) status = WriteDemoReportAndCharts(dir);
  std::cout << "\nResults are in " << fs::absolute(dir).string()
            << " (daily/, monthly/ and reduced/); open the .CSV, .EAW, .mtv, .saw, .set and "
               "statistics files in a spreadsheet.\n";
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
