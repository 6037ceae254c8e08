#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/monthly_delivery.h"
#include "analysis/spread.h"
#include "analysis/study_area_results.h"
#include "analysis/volume_units.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// The water one crop, or the whole study area, needs: means over the years of the run and how
// the yearly figures spread. Depths in mm, volumes in the budget's unit.
struct BudgetLine {
  int number = 0;  // the crop's row number; 0 for the study area
  std::string name;
  double area_ha = 0.0;
  double etaw_mm = 0.0;               // in season; for the study area, over its whole planted area
  double aetaw_mm = 0.0;              // whole year
  double volume = 0.0;                // ETAW x area
  double irrigations_per_year = 0.0;  // -999 when the run did not count them
  Spread etaw_mm_by_year;
  Spread volume_by_year;
};

struct WaterBudget {
  std::string sa5;
  VolumeUnit unit = VolumeUnit::kCubicMetres;
  std::vector<int> years;
  std::vector<BudgetLine> crops;
  BudgetLine study_area;               // the crops together
  std::vector<double> annual_volumes;  // the study area's volume of each year
  MonthlyDelivery delivery;
};

WaterBudget MakeWaterBudget(const StudyAreaResults& results, VolumeUnit unit);

// The budget's file, WaterBudgetFileName: one row per crop and one for the study area, then,
// after a blank line, the monthly delivery when the run wrote irrigation events.
// The file's first table, the budget itself.
std::string WaterBudgetCsv(const WaterBudget& budget);
// Writes (replaces) the budget's file in `folder`, whole or not at all; returns its path.
std::filesystem::path WriteWaterBudget(const std::filesystem::path& folder,
                                       const WaterBudget& budget);

// The study area's water budget as every front end makes it: its last run's results read from
// `folder` (InputError when they are missing, cut short or no longer those of the crop file;
// nothing is written then) and the budget's file written there.
struct WrittenBudget {
  WaterBudget budget;
  std::filesystem::path file;
};
WrittenBudget MakeStudyAreaBudget(const std::filesystem::path& folder, const std::string& sa5,
                                  VolumeUnit unit);

// The budget as a terminal shows it.
std::string WaterBudgetText(const WaterBudget& budget);

}  // namespace kelvaro
