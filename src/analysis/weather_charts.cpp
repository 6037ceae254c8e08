#include "analysis/weather_charts.h"

#include "analysis/result_readers.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/monthly_means_file.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

TextFile ReadStationFile(const fs::path& folder, const std::string& station, const char* ext,
                         const char* written_by) {
  CheckSafeName(station, "station name");
  const std::string name = station + "." + ext;
  auto file = ReadTextFile(FindInFolder(folder, name));
  if (!file) throw InputError(name + " is missing; " + written_by);
  return std::move(*file);
}

std::string AxisTitle(const WeatherVariable& variable) {
  return std::string(variable.name) + " (" + variable.unit + ")";
}

float InputColumn(const MonthlyMeans& month, int column) {
  const float values[] = {month.solar, month.tmax, month.tmin, month.wind,
                          month.td,    month.pcp,  month.nrd};
  return values[column];
}

ChartSeries MonthlySeries(const char* name, SeriesStyle style, const MonthlyColumns7& rows,
                          int column) {
  ChartSeries series{name, style, ValueAxis::kLeft, {}, {}, {}};
  for (size_t m = 0; m < 12; ++m) {
    series.x.push_back(static_cast<double>(m + 1));
    series.y.push_back(rows[m][static_cast<size_t>(column)]);
  }
  return series;
}

}  // namespace

ChartData GeneratedMonthlyChart(const fs::path& folder, const std::string& station,
                                const WeatherVariable& variable) {
  const TextFile input =
      ReadStationFile(folder, station, "mon", "it is the input of the generated run");
  const auto months = ReadMonthlyMeans(input, MonthlyColumns::kWithoutEto);
  const TextFile output = ReadStationFile(folder, station, "wxr",
                                          "a run from monthly means (input kind mon) writes it");
  const GeneratedMonthlyMeans generated = ReadGeneratedMonthlyMeans(output);

  ChartData chart;
  chart.title =
      "Monthly mean " + std::string(variable.name) + " of " + station + ": generated against input";
  chart.x_title = "Month";
  chart.left_title = AxisTitle(variable);
  ChartSeries given{
      "Input (" + input.name + ")", SeriesStyle::kReferenceLine, ValueAxis::kLeft, {}, {}, {}};
  for (const MonthlyMeans& month : months) {
    given.x.push_back(month.month);
    given.y.push_back(InputColumn(month, variable.column));
  }
  chart.series = {
      std::move(given),
      MonthlySeries("Generated", SeriesStyle::kLine, generated.simulated, variable.column),
      MonthlySeries("Rescaled to the input", SeriesStyle::kDashedLine, generated.rescaled,
                    variable.column),
  };
  return chart;
}

ChartData DailyStatisticsChart(const fs::path& folder, const std::string& station,
                               const WeatherVariable& variable) {
  const char* written_by = "the statistics of the working file write it (kelvaro-cli stats)";
  const auto means = ReadDailyStatistics(ReadStationFile(folder, station, "avg", written_by));
  const auto deviations = ReadDailyStatistics(ReadStationFile(folder, station, "sdv", written_by));
  const auto c = static_cast<size_t>(variable.column);

  ChartData chart;
  chart.title = "Daily mean " + std::string(variable.name) + " of " + station;
  chart.x_title = "Day of year";
  chart.left_title = AxisTitle(variable);
  ChartSeries band{"Mean ± standard deviation", SeriesStyle::kBand, ValueAxis::kLeft, {}, {}, {}};
  ChartSeries mean{"Mean", SeriesStyle::kLine, ValueAxis::kLeft, {}, {}, {}};
  for (size_t d = 0; d < means.size(); ++d) {
    const double day = static_cast<double>(d + 1);
    band.x.push_back(day);
    band.y.push_back(means[d][c] + deviations[d][c]);
    band.lower.push_back(means[d][c] - deviations[d][c]);
    mean.x.push_back(day);
    mean.y.push_back(means[d][c]);
  }
  chart.series = {std::move(band), std::move(mean)};
  return chart;
}

}  // namespace kelvaro
