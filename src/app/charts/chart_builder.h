#pragma once

#include <QChart>

#include "reports/chart_data.h"

namespace kelvaro::app {

// A Qt chart drawing `data`: one Qt series per series of the figures, axes with their titles.
// The caller owns the chart.
QChart* BuildChart(const ChartData& data);

}  // namespace kelvaro::app
