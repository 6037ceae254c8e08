#include "cli/chart_command.h"

#include <iostream>
#include <memory>

#include "analysis/chart_request.h"
#include "analysis/study_area_results.h"
#include "analysis/text_table.h"
#include "analysis/water_budget.h"
#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/run_command.h"
#include "crops/crop_file.h"
#include "weatherio/errors.h"
#include "weatherio/study_area_names.h"
#ifdef KELVARO_HAS_CHARTS
#include "app/charts/chart_toolkit.h"
#endif

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct ChartOptions {
  std::string kind;
  int sa = 0;
  int crop = 1;
  int year = 0;
  std::string units = "m3";
  std::string station;
  std::string variable;
  fs::path dir = ".";
  fs::path out;
};

std::string KindsHelp() {
  TextTable kinds({{"", 16, CellAlign::kLeft}, {"", 0, CellAlign::kLeft}}, "  ");
  kinds.AddTitle("Kinds:");
  for (const ChartKindName& kind : kChartKinds) kinds.AddRow({kind.name, kind.meaning});
  return kinds.Text() +
         "season, monthly-etaw and annual-etaw need --sa (season also --crop and --year);\n"
         "generated, daily-stats and generator-check need --station and take --variable:\n"
         "  generated        Solar, TMax, TMin, Wind, Td, Pcp, NRD (default TMax)\n"
         "  daily-stats      Solar, TMax, TMin, Wind, Td, Pcp, ETo (default ETo)\n"
         "  generator-check  TMax, TMin, Td, Solar, Wind, ETo, Rain, \"Wet days\" (default ETo),\n"
         "                   from the GeneratorCheckforSTATN.csv that generator-check writes\n"
         "The picture is PNG or SVG by the extension of --out.";
}

// The options a kind cannot do without, named as the command line names them.
std::string MissingOption(const ChartKindName& kind, const ChartOptions& o) {
  const bool study_area = kind.kind == ChartKind::kSeason || kind.kind == ChartKind::kMonthlyEtaw ||
                          kind.kind == ChartKind::kAnnualEtaw;
  if (study_area && o.sa == 0) return "--sa";
  if (!study_area && o.station.empty()) return "--station";
  return "";
}

ChartRequest RequestOf(const ChartKindName& kind, const ChartOptions& o) {
  ChartRequest request;
  request.kind = kind.kind;
  request.folder = o.dir;
  if (o.sa != 0) request.sa5 = SA5Of(o.sa);
  request.crop_number = o.crop;
  request.year = o.year;
  request.unit = *ParseVolumeUnit(o.units);
  request.station = o.station;
  request.variable = o.variable;
  return request;
}

struct DemoChart {
  const char* file;
  ChartRequest request;
};

#ifdef KELVARO_HAS_CHARTS
void ExportCharts(const std::vector<DemoChart>& charts, const fs::path& folder) {
  app::ChartToolkit toolkit;
  for (const DemoChart& chart : charts) {
    const ChartData data = BuildChartData(chart.request);
    toolkit.Export(data, folder / chart.file);
    std::cout << "  " << fs::absolute(folder / chart.file).lexically_normal().string() << ": "
              << data.title << "\n";
  }
}
constexpr bool kDrawsCharts = true;
#else
constexpr bool kDrawsCharts = false;
void ExportCharts(const std::vector<DemoChart>&, const fs::path&) {
  throw InputError(
      "this kelvaro-cli was built without charts (KELVARO_BUILD_GUI=OFF); build it with the "
      "desktop program to draw them");
}
#endif

int DrawChart(const ChartOptions& o) {
  const ChartKindName* kind = FindChartKind(o.kind);
  const std::string missing = MissingOption(*kind, o);
  if (!missing.empty()) {
    std::cerr << "A " << kind->name << " chart needs " << missing << "\n";
    return kExitRefused;
  }
  if (!DataFolderExists(o.dir)) return kExitRefused;
  const FolderGuard guard(o.dir, "chart " + o.kind);  // reads no half-switched results
  const fs::path out = o.out.has_parent_path() ? o.out.parent_path() : fs::path(".");
  ExportCharts({{o.out.filename().c_str(), RequestOf(*kind, o)}}, out);
  return kExitDone;
}

void WriteDemoCharts(const fs::path& dir) {
  const fs::path charts = dir / "charts";
  fs::create_directories(charts);
  const fs::path daily = dir / "daily";
  const auto study_area = [&](ChartKind kind) {
    return ChartRequest{.kind = kind, .folder = daily, .sa5 = "00001"};
  };
  const auto station = [&](ChartKind kind, const fs::path& folder) {
    return ChartRequest{.kind = kind, .folder = folder, .station = "MARIC"};
  };
  ChartRequest season = study_area(ChartKind::kSeason);
  season.crop_number = 3;
  season.year = 2010;
  ExportCharts(
      {
          {"season-corn-2010.png", season},
          {"monthly-etaw.png", study_area(ChartKind::kMonthlyEtaw)},
          {"annual-etaw.png", study_area(ChartKind::kAnnualEtaw)},
          {"generated-tmax.png", station(ChartKind::kGenerated, dir / "monthly")},
          {"daily-stats-eto.png", station(ChartKind::kDailyStatistics, daily)},
      },
      charts);
}

}  // namespace

int WriteDemoReportAndCharts(const fs::path& dir) {
  const fs::path daily = dir / "daily";
  const auto [budget, written] = MakeStudyAreaBudget(daily, "00001", VolumeUnit::kCubicMetres);
  std::cout << "\nWater budget of study area 1 (measured weather), in m3 "
               "(kelvaro-cli report --sa 1 --dir "
            << daily.string() << "):\n  " << fs::absolute(written).lexically_normal().string()
            << "\n";
  if (!kDrawsCharts) {
    // The demo's results stand without them; only the pictures need the desktop's toolkit.
    std::cout << "Charts: none, this kelvaro-cli was built without the desktop program\n";
    return kExitDone;
  }
  std::cout << "Charts:\n";
  WriteDemoCharts(dir);
  return kExitDone;
}

void AddChartCommand(CLI::App& app) {
  auto options = std::make_shared<ChartOptions>();
  CLI::App* chart = app.add_subcommand(
      "chart", "Draw a chart of results or weather statistics into a PNG or SVG file");
  std::vector<std::string> kinds;
  for (const ChartKindName& kind : kChartKinds) kinds.emplace_back(kind.name);
  chart->add_option("kind", options->kind, "What to draw (see below)")
      ->required()
      ->check(CLI::IsMember(kinds));
  chart
      ->add_option("--sa", options->sa,
                   "Study-area number (" + std::string(kSaNumberShortSpan) + ")")
      ->check(CLI::Range(kMinSaNumber, kMaxSaNumber));
  chart->add_option("--crop", options->crop, "Crop row number in the crop file (default 1)")
      ->check(CLI::PositiveNumber);
  chart->add_option("--year", options->year, "Calendar year of the run (default: its first)")
      ->check(CLI::Range(1, 9999));
  chart->add_option("--units", options->units, "Volumes in mm, m3 or acre-ft (default m3)")
      ->check(CLI::IsMember({"mm", "m3", "acre-ft"}));
  chart->add_option("--station", options->station, "Station file name without extension");
  chart->add_option("--variable", options->variable, "Weather column to draw");
  chart->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  chart->add_option("--out", options->out, "The picture to write: FILE.png or FILE.svg")
      ->required();
  chart->footer(KindsHelp());
  chart->callback([options] { RunCommand([&] { return DrawChart(*options); }); });
}

}  // namespace kelvaro::cli
