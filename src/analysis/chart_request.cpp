#include "analysis/chart_request.h"

#include "analysis/generator_check_chart.h"
#include "analysis/season_chart.h"
#include "analysis/study_area_charts.h"
#include "analysis/study_area_results.h"
#include "analysis/weather_charts.h"
#include "weatherio/errors.h"
#include "weatherio/letter_case.h"

namespace kelvaro {
namespace {

// The weather charts' columns or the generator check's variables.
template <typename Variable, size_t N>
const Variable& VariableOf(const Variable (&variables)[N], const std::string& name,
                           const char* fallback) {
  const std::string wanted = name.empty() ? fallback : name;
  for (const Variable& variable : variables) {
    if (EqualsIgnoringCase(variable.name, wanted)) return variable;
  }
  std::string known;
  for (const Variable& variable : variables) {
    known += (known.empty() ? "" : ", ") + std::string(variable.name);
  }
  throw InputError("'" + name + "' is not a variable of this chart; it knows " + known);
}

}  // namespace

const ChartKindName* FindChartKind(const std::string& name) {
  for (const ChartKindName& kind : kChartKinds) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

ChartData BuildChartData(const ChartRequest& r) {
  switch (r.kind) {
    case ChartKind::kSeason:
      CheckAgainstRunRecord(r.folder, r.sa5);
      return SeasonChart(r.folder, r.sa5, r.crop_number, r.year);
    case ChartKind::kMonthlyEtaw:
      return MonthlyEtawChart(ReadStudyAreaResults(r.folder, r.sa5), r.unit);
    case ChartKind::kAnnualEtaw:
      return AnnualEtawChart(ReadStudyAreaResults(r.folder, r.sa5), r.unit);
    case ChartKind::kGenerated:
      return GeneratedMonthlyChart(r.folder, r.station,
                                   VariableOf(kGeneratedVariables, r.variable, "TMax"));
    case ChartKind::kDailyStatistics:
      return DailyStatisticsChart(r.folder, r.station,
                                  VariableOf(kDailyStatisticsVariables, r.variable, "ETo"));
    case ChartKind::kGeneratorCheck:
      return GeneratorCheckChart(r.folder, r.station,
                                 VariableOf(kGeneratorCheckVariables, r.variable, "ETo"));
  }
  throw InputError("unknown chart kind");
}

}  // namespace kelvaro
