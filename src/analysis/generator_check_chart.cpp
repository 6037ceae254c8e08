#include "analysis/generator_check_chart.h"

#include "analysis/generator_check_file.h"
#include "generator/generator_check.h"
#include "session/run_parameters.h"
#include "weatherio/errors.h"
#include "weatherio/missing_value.h"

namespace kelvaro {
namespace {

// Each record keeps its colour in its line and its band.
constexpr size_t kMeasuredColour = 0;
constexpr size_t kGeneratedColour = 1;

const ComparedFigure& FigureOf(const RecordComparison& comparison, const CheckedVariable& variable,
                               const std::string& statistic, int month) {
  for (const ComparedFigure& f : comparison.figures) {
    if (f.variable == variable.name && f.statistic == statistic && f.month == month) return f;
  }
  throw InputError("the check holds no " + statistic + " of " + variable.name + " for month " +
                   std::to_string(month));
}

ChartSeries SeriesOf(const std::string& name, SeriesStyle style, size_t colour) {
  ChartSeries series{name, style, ValueAxis::kLeft, {}, {}, {}, colour};
  return series;
}

void AddPoint(ChartSeries& line, int month, float value) {
  if (IsMissing(value)) return;
  line.x.push_back(month);
  line.y.push_back(value);
}

void AddBand(ChartSeries& band, int month, float mean, float sd) {
  if (IsMissing(mean) || IsMissing(sd)) return;
  band.x.push_back(month);
  band.y.push_back(mean + sd);
  band.lower.push_back(mean - sd);
}

}  // namespace

ChartData GeneratorCheckChart(const RecordComparison& comparison, const std::string& station,
                              const CheckedVariable& variable) {
  ChartSeries measured = SeriesOf("Measured", SeriesStyle::kReferenceLine, kMeasuredColour);
  ChartSeries generated = SeriesOf("Generated", SeriesStyle::kLine, kGeneratedColour);
  ChartSeries measured_band = SeriesOf("Measured ± 1 sd", SeriesStyle::kBand, kMeasuredColour);
  ChartSeries generated_band = SeriesOf("Generated ± 1 sd", SeriesStyle::kBand, kGeneratedColour);
  for (int month = 1; month <= 12; ++month) {
    const ComparedFigure& figure = FigureOf(comparison, variable, variable.statistic, month);
    AddPoint(measured, month, figure.measured);
    AddPoint(generated, month, figure.generated);
    if (!variable.spread) continue;
    const ComparedFigure& sd = FigureOf(comparison, variable, "sd", month);
    AddBand(measured_band, month, figure.measured, sd.measured);
    AddBand(generated_band, month, figure.generated, sd.generated);
  }

  ChartData chart;
  const std::string axis = std::string(variable.name) + " (" + variable.unit + ")";
  chart.title = station + ": measured against generated, " + axis + ", " + variable.shown;
  chart.x_title = "Month";
  chart.left_title = axis;
  // The bands first, so that both lines are drawn over them.
  if (variable.spread) {
    chart.series = {std::move(measured_band), std::move(generated_band)};
  }
  chart.series.push_back(std::move(measured));
  chart.series.push_back(std::move(generated));
  return chart;
}

ChartData GeneratorCheckChart(const std::filesystem::path& folder, const std::string& station,
                              const CheckedVariable& variable) {
  const GeneratorCheckFile file = ReadGeneratorCheck(folder, station);
  RunParameters run;
  run.Station = station;
  const std::string stem = run.FileStem();
  try {
    return GeneratorCheckChart(file.comparison, stem, variable);
  } catch (const InputError& error) {
    throw InputError(GeneratorCheckFileName(stem) + ": " + error.what());
  }
}

}  // namespace kelvaro
