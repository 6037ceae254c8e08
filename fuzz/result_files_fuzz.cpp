// The result files the water budget and the charts read, as a user may have edited them: the
// input holds up to seven files separated by form feeds (the ETAW summary, crop 1's annual
// file, the irrigation summary, crop 1's daily file, the irrigation events, the generator's
// monthly means, the daily statistics), beside a crop file of the bundled study area's first
// crop and the bundled monthly means.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/chart_request.h"
#include "analysis/study_area_charts.h"
#include "analysis/water_budget.h"
#include "fuzz_support.h"

namespace {

std::string Example(const std::string& name) {
  std::ifstream in(std::string(KELVARO_FUZZ_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The header lines and the first crop of the bundled crop file.
std::string OneCropFile() {
  std::istringstream lines(Example("SA00001.csv"));
  std::string text;
  std::string line;
  for (int i = 0; i < 4 && std::getline(lines, line); ++i) text += line + "\n";
  return text;
}

std::vector<std::string_view> Parts(std::string_view input) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t end = input.find('\f', start);
    parts.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  static const std::string crop_file = OneCropFile();
  static const std::string monthly_means = Example("MARIC.mon");
  static const char* const kNames[] = {"SumofETAWforSA00001.saw",
                                       "SA00001C001.EAW",
                                       "IrrigationsforSA00001.irs",
                                       "SA00001C001.CSV",
                                       "IrrigationEventsforSA00001.ire",
                                       "MARIC.wxr",
                                       "MARIC.avg"};
  fuzz::ClearFolder();
  fuzz::WriteInput("SA00001.csv", crop_file);
  fuzz::WriteInput("MARIC.mon", monthly_means);
  const auto parts = Parts(fuzz::AsText(data, size));
  for (size_t i = 0; i < parts.size() && i < std::size(kNames); ++i) {
    fuzz::WriteInput(kNames[i], parts[i]);
  }
  if (parts.size() >= std::size(kNames)) fuzz::WriteInput("MARIC.sdv", parts.back());

  fuzz::RefusalsAreFine([] {
    const auto results = ReadStudyAreaResults(fuzz::Folder(), "00001");
    WaterBudgetCsv(MakeWaterBudget(results, VolumeUnit::kAcreFeet));
    WaterBudgetText(MakeWaterBudget(results, VolumeUnit::kMillimetres));
    AnnualEtawChart(results, VolumeUnit::kCubicMetres);
  });
  for (const ChartKind kind :
       {ChartKind::kSeason, ChartKind::kGenerated, ChartKind::kDailyStatistics}) {
    fuzz::RefusalsAreFine([kind] {
      BuildChartData({.kind = kind, .folder = fuzz::Folder(), .sa5 = "00001", .station = "MARIC"});
    });
  }
  return 0;
}
