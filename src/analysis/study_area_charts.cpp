#include "analysis/study_area_charts.h"

#include "analysis/water_budget.h"
#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

double PlantedArea(const StudyAreaResults& results) {
  double area = 0.0;
  for (const CropResults& crop : results.crops) area += crop.area_ha;
  return area;
}

std::string UnitTitle(const char* what, VolumeUnit unit) {
  return std::string(what) + " (" + VolumeUnitText(unit) + ")";
}

}  // namespace

ChartData MonthlyEtawChart(const StudyAreaResults& results, VolumeUnit unit) {
  ChartData chart;
  chart.title = "Mean monthly ETAW of study area " + results.sa5;
  chart.x_title = "Month";
  chart.categories.assign(kMonthAbbreviations.begin(), kMonthAbbreviations.end());
  chart.left_title = UnitTitle("ETAW", unit);
  const double area = PlantedArea(results);
  for (const CropResults& crop : results.crops) {
    ChartSeries series{crop.name, SeriesStyle::kStackedBars, ValueAxis::kLeft, {}, {}, {}};
    for (float etaw : crop.monthly_etaw_mm) {
      series.y.push_back(InVolumeUnit(CubicMetres(etaw, crop.area_ha), area, unit));
    }
    chart.series.push_back(std::move(series));
  }
  return chart;
}

ChartData AnnualEtawChart(const StudyAreaResults& results, VolumeUnit unit) {
  const WaterBudget budget = MakeWaterBudget(results, unit);
  ChartData chart;
  chart.title = "Annual ETAW of study area " + results.sa5;
  chart.x_title = "Year";
  chart.left_title = UnitTitle("ETAW", unit);
  ChartSeries years{"Study area", SeriesStyle::kLine, ValueAxis::kLeft, {}, {}, {}};
  ChartSeries mean{"Mean", SeriesStyle::kDashedLine, ValueAxis::kLeft, {}, {}, {}};
  for (size_t y = 0; y < budget.years.size(); ++y) {
    years.x.push_back(budget.years[y]);
    years.y.push_back(budget.annual_volumes[y]);
    mean.x.push_back(budget.years[y]);
    mean.y.push_back(budget.study_area.volume);
  }
  chart.series = {std::move(years), std::move(mean)};
  return chart;
}

}  // namespace kelvaro
