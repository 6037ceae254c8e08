#include "cli/demo_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>

#include "cli/chart_command.h"
#include "cli/embedded_examples.h"
#include "cli/run_command.h"
#include "cli/stats_command.h"
#include "cli/study_area_report.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/monthly_means_file.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

// The measured days of a daily weather file with only TMax, TMin and rain (a dtm file).
std::string DailyTemperaturesOf(const std::string& day_file) {
  std::string text = StationLine("MARIC", "33.07", "361") +
                     " Year,  Mon, Day, DOY,    TMax,    TMin,     Pcp\n"
                     "    #,    #,   #,   #,      oC,      oC,      mm\n";
  for (const WeatherDay& d : ParseWeatherDays(TextFile{"MARIC.day", SplitLines(day_file)}, false)) {
    text += Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f\n", d.year, d.month, d.day, d.doy, d.tmax,
                   d.tmin, d.pcp);
  }
  return text;
}

// The monthly means with an ETo column still to be computed (a met file).
std::string MonthlyTableWithEtoOf(const std::string& mon_file) {
  std::string text = StationLine("MARIC", "33.07", "361") +
                     "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    "
                     "Pan,    ETo\n"
                     "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     "
                     "mm,     mm \n";
  const auto months =
      ReadMonthlyMeans(TextFile{"MARIC.mon", SplitLines(mon_file)}, MonthlyColumns::kWithoutEto);
  for (const MonthlyMeans& m : months) {
    text += Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", m.month, m.solar,
                   m.tmax, m.tmin, m.wind, m.td, m.pcp, m.nrd, m.pan, kMissing);
  }
  return text;
}

struct DemoRun {
  const char* title;
  const char* input;
  const char* years;
  const char* folder;  // each run in its own folder, so one does not replace the other's results
  const char* made_from = nullptr;  // the bundled file the input is made from, if it is one
  bool statistics = false;          // also the daily and monthly statistics of the working file
  std::string (*made_by)(const std::string&) = nullptr;  // how, when it is not a plain copy
};

// Maricopa, Arizona (AZMET station 06): measured daily weather 2003-2020, its monthly means,
// and study area 1.
constexpr DemoRun kDemoRuns[] = {
    {"Measured daily weather", "day", "", "daily", nullptr, true},
    {"30 years generated from the monthly means", "mon", "30", "monthly"},
    {"Measured days reduced to monthly means, then 30 generated years", "dmn", "30", "reduced",
     "MARIC.day"},
    {"Measured temperatures and rain only, reduced to monthly means, then 30 simulated years "
     "with Hargreaves ETo",
     "dtm", "30", "temperatures", "MARIC.day", false, &DailyTemperaturesOf},
    {"Monthly means with their ETo, then 30 years of simulated rain and ETo", "met", "30",
     "eto-table", "MARIC.mon", false, &MonthlyTableWithEtoOf},
};

void MakeInput(const DemoRun& demo, const fs::path& folder) {
  if (demo.made_from == nullptr) return;
  const fs::path input = folder / ("MARIC." + std::string(demo.input));
  if (demo.made_by == nullptr) {
    fs::copy_file(folder / demo.made_from, input, fs::copy_options::overwrite_existing);
    return;
  }
  std::ifstream in(folder / demo.made_from, std::ios::binary);
  const std::string bundled{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  WriteWholeFile(input, demo.made_by(bundled));
}

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

// The demo makes its folder; a path that is a file, or under one, cannot be made.
void MakeDemoFolder(const fs::path& dir) {
  std::error_code error;
  if (fs::exists(dir, error) && !fs::is_directory(dir, error)) {
    throw Refusal("--dir: " + dir.string() +
                  " is a file, not a folder; give a folder for the example data (it is made "
                  "when missing)");
  }
  fs::create_directories(dir, error);
  if (error) {
    throw Refusal("--dir: couldn't make the folder " + dir.string() + " (" + error.message() +
                  "); give a folder that can be made");
  }
}

int RunDemo(const fs::path& dir) {
  MakeDemoFolder(dir);
  int status = kExitDone;
  for (const DemoRun& demo : kDemoRuns) {
    const fs::path folder = dir / demo.folder;
    CopyExamples(folder);
    if (std::string(demo.input) == "dmn") {
      // The run reduces the days to monthly means of its own; the bundled ones would be kept
      // aside as a file the user prepared.
      fs::remove(folder / "MARIC.mon");
    }
    MakeInput(demo, folder);
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
    std::optional<RecordYears> years;
    const int run_status = RunChainFromOptions(options, reporter, &years);
    if (run_status != kExitDone) {
      status = run_status;
      continue;
    }
    PrintWorkingFileSummary(folder, "MARIC");
    if (demo.statistics && WriteStatistics("MARIC", folder, reporter) == kExitDone) {
      std::cout << "  MARIC.avg, .sdv, .cov (by day of year) and .wxr, .std, .cve (by month): "
                   "statistics of MARIC.wrk\n";
    }
    PrintStudyAreaReport(folder, "00001", "MARIC", years);
  }
  if (status == kExitDone) status = WriteDemoReportAndCharts(dir);
  std::cout << "\nResults are in " << fs::absolute(dir).string()
            << " (daily/, monthly/, reduced/, temperatures/ and eto-table/); open the .CSV, .EAW, "
               ".mtv, .saw, .set and "
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
