#pragma once

#include <string>
#include <vector>

#include "session/reporter.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "support/test_folder.h"

namespace kelvaro::testing {

// A data folder holding one monthly means file and a fresh session to generate from it.
class GeneratorRun {
 public:
  // Copies the bundled MARIC monthly means in as "MARIC.mon".
  GeneratorRun();
  void WriteMeans(const std::string& contents) const { folder.Write("MARIC.mon", contents); }
  // Runs GenerateWeather for `years` years (the Years field as typed).
  void Generate(const std::string& years);
  // Runs another simulation on MARIC.<ext>.
  void Simulate(void (*operation)(const RunParameters&, Session&), const std::string& ext,
                const std::string& years);
  // Data lines of an output file (after its header lines), split at commas and trimmed.
  std::vector<std::vector<std::string>> Rows(const std::string& name, int header_lines) const;

  TestFolder folder;
  RecordingReporter reporter;
  Session session;
  RunParameters run;
};

// The run parameters of the Maricopa station for input kind `ext`, study area 1.
RunParameters MaricopaRun(const std::string& ext, const std::string& years = "");

std::string BundledMeans();
// Monthly means (the bundled ones unless `means` is given) with one field of one month
// (1..12; field 1..8 after Mon) replaced.
std::string MeansWithField(int month, int field, const std::string& value,
                           const std::string& means = BundledMeans());

}  // namespace kelvaro::testing
