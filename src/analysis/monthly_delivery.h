#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/study_area_results.h"
#include "analysis/volume_units.h"

namespace kelvaro {

// The water the model's irrigations delivered, month by month: every irrigation and
// pre-irrigation of the irrigation events, its depth times the crop's area. Unlike the monthly
// ETAW, which holds the bare-soil ETc of the months a field lies fallow, this is only water the
// model put on a crop, so it is what a delivery schedule needs.
struct DeliveryLine {
  int number = 0;  // the crop's row number; 0 for the study area
  std::string name;
  // January..December and the year, in the budget's unit, over the years of the run.
  std::array<double, 13> mean{};
  std::array<double, 13> p90{};  // the year column: the 90th percentile of the yearly totals
};

struct MonthlyDelivery {
  std::string events_file_name;  // empty when the run wrote no irrigation events
  std::vector<DeliveryLine> crops;
  DeliveryLine study_area;
};

MonthlyDelivery MakeMonthlyDelivery(const StudyAreaResults& results, VolumeUnit unit);

// The table that follows the budget in its CSV: a row of means and a row of 90th percentiles
// per crop and for the study area ("Total"). Nothing without irrigation events.
std::string MonthlyDeliveryCsv(const MonthlyDelivery& delivery, VolumeUnit unit);

// The same for a terminal, the months as rows; without irrigation events, a line that says so.
std::string MonthlyDeliveryText(const MonthlyDelivery& delivery, VolumeUnit unit);

}  // namespace kelvaro
