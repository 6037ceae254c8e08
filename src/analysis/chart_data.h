#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What a chart shows, built without any toolkit so that the figures can be checked on their
// own; the desktop program only draws it.
enum class SeriesStyle {
  kLine,
  kReferenceLine,  // wider, drawn first, what the others are compared with
  kDashedLine,
  kMarkers,      // points only (events)
  kStackedBars,  // one bar set per series over the chart's categories
  kBand,         // the area between `lower` and `y`
};

// Which value axis a series is read against: the left one, a second left one, the right one.
enum class ValueAxis { kLeft, kSecondLeft, kRight };

struct ChartSeries {
  std::string name;
  SeriesStyle style = SeriesStyle::kLine;
  ValueAxis axis = ValueAxis::kLeft;
  std::vector<double> x;  // empty for bars (they follow the categories)
  std::vector<double> y;
  std::vector<double> lower;  // bands only
  // The palette entry of the series it belongs with (a mean and its band); else its own place.
  std::optional<size_t> colour{};
};

struct ChartData {
  std::string title;
  std::string x_title;
  std::vector<std::string> categories;  // bar charts: the label of each bar
  std::string left_title;
  std::string second_left_title;
  std::string right_title;
  std::vector<ChartSeries> series;
};

// The chart kinds, as the command line names them.
enum class ChartKind {
  kSeason,
  kMonthlyEtaw,
  kAnnualEtaw,
  kGenerated,
  kDailyStatistics,
  kGeneratorCheck,
};

struct ChartKindName {
  ChartKind kind;
  const char* name;
  const char* meaning;
};

inline constexpr ChartKindName kChartKinds[] = {
    {ChartKind::kSeason, "season",
     "one crop's year: ETo, ETc, Kc, depletion against its threshold, irrigations"},
    {ChartKind::kMonthlyEtaw, "monthly-etaw", "a study area's monthly ETAW, stacked by crop"},
    {ChartKind::kAnnualEtaw, "annual-etaw", "a study area's total ETAW of each year"},
    {ChartKind::kGenerated, "generated",
     "generated against input monthly means (.wxr blocks against .mon)"},
    {ChartKind::kDailyStatistics, "daily-stats",
     "daily means of the statistics with a band of one standard deviation"},
    {ChartKind::kGeneratorCheck, "generator-check",
     "measured against generated monthly figures of a generator check"},
};

}  // namespace kelvaro
