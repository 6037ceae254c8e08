#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "balance/crop_sums.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"
#include "weatherio/output_file.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// The irrigations of a study area's run, in two files of this program's own beside the
// system's results:
//
// "IrrigationsforSA" + SA5 + ".irs", per crop and year
//   " Irrigations of study area 00012,Number of years= 10"
//   "Crop#,Crop,Year,Irrigations,Depth,Mean depth,Pre-Irr"
//   "#,,#,#,mm,mm,mm"
//   "%4d,%s,%4d,%4d,%8.2f,%8.2f,%8.2f": crop number, crop name, year, number of irrigations,
//   their total and mean depth (-999 without irrigations), pre-irrigation depth; after a crop's
//   years a row with the year 9999 of the means over the years (the count with two decimals,
//   the mean depth that of all its irrigations).
//
// "IrrigationEventsforSA" + SA5 + ".ire", one row per event
//   " Irrigation events of study area 00012,Number of years= 10"
//   "Crop#,Crop,Year, DOY,Kind,Depth"
//   "#,,#,#,,mm"
//   "%4d,%s,%4d,%4d,%s,%8.2f": crop number, crop name, year, day, "Pre-irrigation" or
//   "Irrigation", depth refilled.

inline constexpr int kIrrigationSummaryColumns = 7;
inline constexpr int kIrrigationEventColumns = 6;
inline constexpr int kIrrigationAverageYear = 9999;
inline constexpr const char* kPreIrrigationText = "Pre-irrigation";
inline constexpr const char* kIrrigationText = "Irrigation";

// A crop's irrigations of one year (mm).
struct YearIrrigations {
  int count = 0;
  float depth_mm = 0.0f;
  float pre_irrigation_mm = 0.0f;
};

// Per year index 1..Y (index 0 unused).
std::vector<YearIrrigations> IrrigationsByYear(const std::vector<IrrigationEvent>& events,
                                               int year_count);

// Both files, made in the study area's set so that they are replaced together with its results.
class IrrigationEventFiles {
 public:
  IrrigationEventFiles(OutputFileSet& files, const std::filesystem::path& folder,
                       const std::string& sa5, int year_count);

  void AddCrop(int crop_number, const CropRow& row, const CropSums& sums,
               const YearDayTable& table);

 private:
  OutputFile& summary_;
  OutputFile& events_;
};

}  // namespace kelvaro
