#pragma once

#include "analysis/chart_data.h"
#include "analysis/study_area_results.h"
#include "analysis/volume_units.h"

namespace kelvaro {

// The study area's mean monthly ETAW (the ETAW summary's months) as bars stacked by crop:
// each crop's ETAW over its area in `unit`, so a month's stack is the study area's volume
// (in mm: its depth over the whole planted area).
ChartData MonthlyEtawChart(const StudyAreaResults& results, VolumeUnit unit);

// The study area's in-season ETAW of each year of the run in `unit`, with its mean.
ChartData AnnualEtawChart(const StudyAreaResults& results, VolumeUnit unit);

}  // namespace kelvaro
