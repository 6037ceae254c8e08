#pragma once

#include <QChart>
#include <QChartView>

#include "analysis/chart_data.h"

namespace kelvaro::app {

// A Qt chart drawing `data`: one Qt series per series of the figures, axes with their titles.
// The caller owns the chart.
QChart* BuildChart(const ChartData& data);

// Puts `chart` into the view, which owns it from then on, and deletes the chart shown before:
// the view only lets go of that one.
void ReplaceChart(QChartView& view, QChart* chart);

}  // namespace kelvaro::app
