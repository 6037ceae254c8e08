#include "cli/generator_check_command.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/run_command.h"
#include "cli/text_table.h"
#include "generator/generator_check.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/row_format.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct GeneratorCheckOptions {
  std::string station;
  std::string years = "30";
  std::string latitude;
  std::string elevation;
  fs::path means;
  fs::path dir = ".";
  bool verbose = false;
};

constexpr const char* kGeneratorCheckHelp =
    "Before trusting ETAW from generated weather, see how well the weather generator reproduces\n"
    "a station's own record. The measured days STATN.day are reduced to monthly means (as a dmn\n"
    "run does, or --means gives them), the years are generated in a fresh session (the same\n"
    "years a run of those means gives) and both records get their daily ETo as a run computes\n"
    "it. Per month: the mean and standard deviation of the daily TMax, TMin, Td, Solar, Wind\n"
    "and ETo; the rain total, the wet days (1 mm or more) and the mean wet and dry spell\n"
    "length; then the mean annual ETo and its year-to-year standard deviation. Each variable\n"
    "gets a verdict: reproduced (monthly means within 0.5 oC, or 5 %), close (1.5 oC, 15 %)\n"
    "or differs. Temperatures are compared in oC, not in %, as 0 oC is no zero of warmth.\n"
    "Nothing in the data folder changes but GeneratorCheckforSTATN.csv. The record needs at\n"
    "least two whole calendar years. Draw it with: kelvaro-cli chart generator-check.";

// The figures of the whole year; the months are in the file.
void PrintYearTable(const RecordComparison& comparison) {
  constexpr TableColumn kColumns[] = {
      {"Variable", 10, true}, {"Statistic", 11, true}, {"Unit", 5, true}, {"Measured", 9},
      {"Generated", 9},       {"Difference", 10},      {"%", 7}};
  std::vector<TableRow> rows;
  for (const ComparedFigure& f : comparison.figures) {
    if (f.month != 0) continue;
    const auto percent = f.DifferencePercent();
    rows.push_back({f.variable, f.statistic, f.unit, Printf("%.2f", f.measured),
                    Printf("%.2f", f.generated), Printf("%.2f", f.Difference()),
                    percent ? Printf("%+.1f", *percent) : ""});
  }
  PrintTable(kColumns, rows, OutputFormat::kTable, std::cout);
}

int CheckGenerator(const GeneratorCheckOptions& o) {
  if (!DataFolderExists(o.dir)) return kExitRefused;
  const FolderGuard guard(o.dir, "generator-check --station " + o.station);
  if (!IsSafeName(o.station)) throw Refusal("--station: '" + o.station + "' is not a file name");
  ConsoleReporter reporter(o.verbose);
  GeneratorCheckRequest request{o.station, o.latitude, o.elevation, o.years, std::nullopt};
  if (!o.means.empty()) request.means = o.means;
  GeneratorCheck check;
  try {
    check = RunGeneratorCheck(request, o.dir, reporter);
  } catch (const InputError& error) {
    throw Refusal(error.what());
  }
  const fs::path written = WriteGeneratorCheck(check, o.dir);
  std::cout << check.title << "\n\n";
  PrintYearTable(check.comparison);
  std::cout << "\n";
  for (const std::string& verdict : check.comparison.verdicts) std::cout << verdict << "\n";
  std::cout << "\nEvery month in " << fs::absolute(written).lexically_normal().string() << "\n";
  return kExitDone;
}

}  // namespace

void AddGeneratorCheckCommand(CLI::App& app) {
  auto options = std::make_shared<GeneratorCheckOptions>();
  CLI::App* command = app.add_subcommand(
      "generator-check",
      "Compare a station's measured days with years generated from their monthly means");
  command->add_option("--station", options->station, "Station: STATN.day holds the measured days")
      ->required();
  command->add_option("--years", options->years, "Years to generate, 2-99 (default 30)");
  command->add_option("--means", options->means,
                      "Monthly means file to generate from (default: reduced from the days)");
  command->add_option("--lat", options->latitude,
                      "Latitude in degrees, north positive (default: from STATN.day's first line)");
  command->add_option("--elev", options->elevation,
                      "Elevation in m (default: from STATN.day's first line)");
  command->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  command->add_flag("--verbose", options->verbose, "Print the operations' trace lines");
  command->footer(kGeneratorCheckHelp);
  command->callback([options] { RunCommand([&] { return CheckGenerator(*options); }); });
}

}  // namespace kelvaro::cli
