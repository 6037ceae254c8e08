#include "app/charts/chart_builder.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <iterator>
#include <limits>

#include "app/qt_text.h"

namespace kelvaro::app {
namespace {

struct Range {
  double low = std::numeric_limits<double>::max();
  double high = std::numeric_limits<double>::lowest();
  void Add(double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  }
  bool empty() const { return low > high; }
};

// One colour per series, in the order of the figures; the usual ten of plotting programs.
QColor SeriesColour(size_t index) {
  static constexpr QRgb kPalette[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                                      0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};
  return QColor(kPalette[index % std::size(kPalette)]);
}

QLineSeries* LineOf(const std::vector<double>& x, const std::vector<double>& y) {
  auto* line = new QLineSeries;
  for (size_t i = 0; i < x.size() && i < y.size(); ++i) line->append(x[i], y[i]);
  return line;
}

QAbstractSeries* XySeries(const ChartSeries& s, const QColor& colour) {
  switch (s.style) {
    case SeriesStyle::kMarkers: {
      auto* markers = new QScatterSeries;
      markers->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
      markers->setMarkerSize(11.0);
      markers->setColor(colour);
      markers->setBorderColor(colour.darker());
      for (size_t i = 0; i < s.x.size() && i < s.y.size(); ++i) markers->append(s.x[i], s.y[i]);
      return markers;
    }
    case SeriesStyle::kBand: {
      QLineSeries* upper = LineOf(s.x, s.y);
      QLineSeries* lower = LineOf(s.x, s.lower);
      auto* band = new QAreaSeries(upper, lower);
      // The band draws its two lines but does not own them.
      upper->setParent(band);
      lower->setParent(band);
      QColor fill = colour;
      fill.setAlpha(70);
      band->setBrush(fill);
      band->setPen(QPen(colour, 0.8));
      return band;
    }
    default: {
      QLineSeries* line = LineOf(s.x, s.y);
      const double width = s.style == SeriesStyle::kReferenceLine ? 4.0 : 1.6;
      line->setPen(
          QPen(colour, width, s.style == SeriesStyle::kDashedLine ? Qt::DashLine : Qt::SolidLine));
      return line;
    }
  }
}

QValueAxis* ValueAxisTitled(const std::string& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(ToQt(title));
  return axis;
}

// Every value a series shows on its value axis; stacked bars as their stacks.
void AddValues(const ChartData& data, ValueAxis which, Range& range) {
  std::vector<double> stacks(data.categories.size(), 0.0);
  bool stacked = false;
  for (const ChartSeries& s : data.series) {
    if (s.axis != which) continue;
    if (s.style == SeriesStyle::kStackedBars) {
      stacked = true;
      for (size_t i = 0; i < s.y.size() && i < stacks.size(); ++i) stacks[i] += s.y[i];
      continue;
    }
    for (double y : s.y) range.Add(y);
    for (double y : s.lower) range.Add(y);
  }
  if (stacked) {
    range.Add(0.0);
    for (double stack : stacks) range.Add(stack);
  }
}

void SetRange(QValueAxis* axis, Range range) {
  if (range.empty()) range = {0.0, 1.0};
  if (range.low > 0.0 && range.low < 0.5 * range.high) range.low = 0.0;  // from 0 where it fits
  if (range.high == range.low) range.high = range.low + 1.0;
  axis->setRange(range.low, range.high);
  axis->applyNiceNumbers();
  const double span = axis->max() - axis->min();
  axis->setLabelFormat(span >= 100.0 ? "%.0f" : span >= 1.0 ? "%.1f" : "%.2f");
}

// The x axis: categories for bars, else the span of the series' x values.
QAbstractAxis* HorizontalAxis(const ChartData& data) {
  if (!data.categories.empty()) {
    auto* axis = new QBarCategoryAxis;
    for (const std::string& category : data.categories) axis->append(ToQt(category));
    axis->setTitleText(ToQt(data.x_title));
    return axis;
  }
  Range range;
  for (const ChartSeries& s : data.series) {
    for (double x : s.x) range.Add(x);
  }
  auto* axis = ValueAxisTitled(data.x_title);
  if (range.empty()) range = {0.0, 1.0};
  axis->setRange(range.low, range.high == range.low ? range.low + 1.0 : range.high);
  axis->setLabelFormat("%.0f");
  const double span = range.high - range.low;
  if (span > 0.0 && span < 20.0) axis->setTickCount(static_cast<int>(span) + 1);
  return axis;
}

}  // namespace

void ReplaceChart(QChartView& view, QChart* chart) {
  QChart* before = view.chart();
  view.setChart(chart);
  if (before != chart) delete before;
}

QChart* BuildChart(const ChartData& data) {
  auto* chart = new QChart;
  chart->setTitle(ToQt(data.title));
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setAlignment(Qt::AlignBottom);

  QAbstractAxis* x_axis = HorizontalAxis(data);
  chart->addAxis(x_axis, Qt::AlignBottom);
  struct Side {
    ValueAxis which;
    const std::string& title;
    Qt::Alignment alignment;
  };
  const Side sides[] = {{ValueAxis::kLeft, data.left_title, Qt::AlignLeft},
                        {ValueAxis::kSecondLeft, data.second_left_title, Qt::AlignLeft},
                        {ValueAxis::kRight, data.right_title, Qt::AlignRight}};
  // In the order of ValueAxis, so a series finds its axis by its value.
  QValueAxis* value_axes[3] = {nullptr, nullptr, nullptr};
  for (size_t i = 0; i < 3; ++i) {
    const bool used = std::any_of(data.series.begin(), data.series.end(),
                                  [&](const ChartSeries& s) { return s.axis == sides[i].which; });
    if (!used) continue;
    value_axes[i] = ValueAxisTitled(sides[i].title);
    Range range;
    AddValues(data, sides[i].which, range);
    SetRange(value_axes[i], range);
    chart->addAxis(value_axes[i], sides[i].alignment);
  }

  QStackedBarSeries* bars = nullptr;
  for (size_t i = 0; i < data.series.size(); ++i) {
    const ChartSeries& s = data.series[i];
    QValueAxis* y_axis = value_axes[static_cast<size_t>(s.axis)];
    if (s.style == SeriesStyle::kStackedBars) {
      if (bars == nullptr) {
        bars = new QStackedBarSeries;
        chart->addSeries(bars);
        bars->attachAxis(x_axis);
        bars->attachAxis(y_axis);
      }
      auto* set = new QBarSet(ToQt(s.name));
      set->setColor(SeriesColour(i));
      set->setBorderColor(SeriesColour(i).darker(120));
      for (double y : s.y) set->append(y);
      bars->append(set);
      continue;
    }
    QAbstractSeries* series = XySeries(s, SeriesColour(s.colour.value_or(i)));
    series->setName(ToQt(s.name));
    chart->addSeries(series);
    series->attachAxis(x_axis);
    series->attachAxis(y_axis);
    // A point for each year or month; daily lines are too dense for points.
    auto* line = qobject_cast<QLineSeries*>(series);
    if (line != nullptr && s.style != SeriesStyle::kBand) {
      line->setPointsVisible(s.x.size() <= 50);
    }
  }
  return chart;
}

}  // namespace kelvaro::app
