#include "analysis/water_budget.h"

#include "analysis/text_table.h"
#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

BudgetLine CropLine(const CropResults& crop, VolumeUnit unit) {
  BudgetLine line;
  line.number = crop.number;
  line.name = crop.name;
  line.area_ha = crop.area_ha;
  line.etaw_mm = crop.mean_etaw_mm;
  line.aetaw_mm = crop.mean_aetaw_mm;
  line.volume = InVolumeUnit(CubicMetres(crop.mean_etaw_mm, line.area_ha), line.area_ha, unit);
  line.irrigations_per_year = crop.irrigations_per_year.value_or(kMissing);
  std::vector<double> depths;
  std::vector<double> volumes;
  for (float etaw : crop.etaw_mm) {
    depths.push_back(etaw);
    volumes.push_back(InVolumeUnit(CubicMetres(etaw, line.area_ha), line.area_ha, unit));
  }
  line.etaw_mm_by_year = SpreadOf(depths);
  line.volume_by_year = SpreadOf(volumes);
  return line;
}

// Cubic metres of the study area in each year.
std::vector<double> AnnualCubicMetres(const StudyAreaResults& results) {
  std::vector<double> totals(results.years.size(), 0.0);
  for (const CropResults& crop : results.crops) {
    for (size_t y = 0; y < totals.size() && y < crop.etaw_mm.size(); ++y) {
      totals[y] += CubicMetres(crop.etaw_mm[y], crop.area_ha);
    }
  }
  return totals;
}

BudgetLine StudyAreaLine(const StudyAreaResults& results, VolumeUnit unit,
                         std::vector<double>& annual_volumes) {
  BudgetLine line;
  line.name = "Study area " + results.sa5;
  double cubic_metres = 0.0;
  double aetaw_cubic_metres = 0.0;
  bool irrigations_known = true;
  for (const CropResults& crop : results.crops) {
    line.area_ha += crop.area_ha;
    cubic_metres += CubicMetres(crop.mean_etaw_mm, crop.area_ha);
    aetaw_cubic_metres += CubicMetres(crop.mean_aetaw_mm, crop.area_ha);
    irrigations_known = irrigations_known && crop.irrigations_per_year.has_value();
    line.irrigations_per_year += crop.irrigations_per_year.value_or(0.0f);
  }
  if (!irrigations_known) line.irrigations_per_year = kMissing;
  line.etaw_mm = InVolumeUnit(cubic_metres, line.area_ha, VolumeUnit::kMillimetres);
  line.aetaw_mm = InVolumeUnit(aetaw_cubic_metres, line.area_ha, VolumeUnit::kMillimetres);
  line.volume = InVolumeUnit(cubic_metres, line.area_ha, unit);
  std::vector<double> depths;
  annual_volumes.clear();
  for (double year : AnnualCubicMetres(results)) {
    depths.push_back(InVolumeUnit(year, line.area_ha, VolumeUnit::kMillimetres));
    annual_volumes.push_back(InVolumeUnit(year, line.area_ha, unit));
  }
  line.etaw_mm_by_year = SpreadOf(depths);
  line.volume_by_year = SpreadOf(annual_volumes);
  return line;
}

// Cubic metres are whole; depths and acre-feet keep two decimals.
const char* VolumeFormat(VolumeUnit unit) {
  return unit == VolumeUnit::kCubicMetres ? "%.0f" : "%.2f";
}

std::string SpreadFields(const Spread& s, const char* format) {
  std::string text;
  for (double value : {s.min, s.p10, s.p50, s.p90, s.max}) text += "," + Printf(format, value);
  return text;
}

std::string CsvRow(const std::string& number, const BudgetLine& line, VolumeUnit unit) {
  const char* volume = VolumeFormat(unit);
  return number + "," + line.name +
         Printf(",%.0f,%.2f,%.2f,", line.area_ha, line.etaw_mm, line.aetaw_mm) +
         Printf(volume, line.volume) + Printf(",%.2f", line.irrigations_per_year) +
         SpreadFields(line.etaw_mm_by_year, "%.2f") + SpreadFields(line.volume_by_year, volume) +
         "\n";
}

std::vector<std::string> TextSpreadRow(const std::string& label, const Spread& s,
                                       const char* format) {
  std::vector<std::string> row{"  " + label};
  for (double value : {s.min, s.p10, s.p50, s.p90, s.max}) row.push_back(Printf(format, value));
  return row;
}

std::vector<std::string> TextRow(const std::string& number, const BudgetLine& line,
                                 VolumeUnit unit) {
  const std::string irrigations = line.irrigations_per_year == kMissing
                                      ? std::string("-")
                                      : Printf("%.1f", line.irrigations_per_year);
  return {number,
          line.name,
          Printf("%.0f", line.area_ha),
          Printf("%.1f", line.etaw_mm),
          Printf("%.1f", line.aetaw_mm),
          Printf(VolumeFormat(unit), line.volume),
          irrigations};
}

std::string BudgetTable(const WaterBudget& budget) {
  TextTable table({{"#", 3},
                   {"Crop", 22, CellAlign::kLeft},
                   {"Area", 8},
                   {"ETAW", 8},
                   {"AETAW", 8},
                   {"Volume", 14},
                   {"Irrigations", 11}},
                  "  ");
  table.AddRow({"", "", "ha", "mm", "mm", VolumeUnitText(budget.unit), "per year"});
  for (const BudgetLine& line : budget.crops) {
    table.AddRow(TextRow(std::to_string(line.number), line, budget.unit));
  }
  table.AddRow(TextRow("", budget.study_area, budget.unit));
  return table.Text();
}

std::string SpreadTable(const WaterBudget& budget) {
  TextTable table({{"Spread over the years", 28, CellAlign::kLeft},
                   {"min", 12},
                   {"10%", 12},
                   {"50%", 12},
                   {"90%", 12},
                   {"max", 12}},
                  "  ");
  for (const BudgetLine& line : budget.crops) {
    table.AddRow(TextSpreadRow(line.name + ", ETAW mm", line.etaw_mm_by_year, "%.1f"));
  }
  const BudgetLine& sa = budget.study_area;
  table.AddRow(TextSpreadRow("Study area, ETAW mm", sa.etaw_mm_by_year, "%.1f"));
  table.AddRow(TextSpreadRow(std::string("Study area, volume ") + VolumeUnitText(budget.unit),
                             sa.volume_by_year, VolumeFormat(budget.unit)));
  return table.Text();
}

}  // namespace

WaterBudget MakeWaterBudget(const StudyAreaResults& results, VolumeUnit unit) {
  WaterBudget budget;
  budget.sa5 = results.sa5;
  budget.unit = unit;
  budget.years = results.years;
  for (const CropResults& crop : results.crops) budget.crops.push_back(CropLine(crop, unit));
  budget.study_area = StudyAreaLine(results, unit, budget.annual_volumes);
  budget.delivery = MakeMonthlyDelivery(results, unit);
  return budget;
}

std::string WaterBudgetCsv(const WaterBudget& budget) {
  const std::string u = VolumeUnitText(budget.unit);
  std::string text = Printf(" Water budget of study area %s,Number of years=%3d,Volumes in %s\n",
                            budget.sa5.c_str(), static_cast<int>(budget.years.size()), u.c_str());
  text +=
      "Crop#,Crop,Area,ETAW,AETAW,Volume,Irrigations,ETAW min,ETAW P10,ETAW P50,ETAW P90,"
      "ETAW max,Volume min,Volume P10,Volume P50,Volume P90,Volume max\n";
  text += "#,,ha,mm,mm," + u + ",per year,mm,mm,mm,mm,mm," + u + "," + u + "," + u + "," + u + "," +
          u + "\n";
  for (const BudgetLine& line : budget.crops) {
    text += CsvRow(std::to_string(line.number), line, budget.unit);
  }
  return text + CsvRow("Total", budget.study_area, budget.unit);
}

std::filesystem::path WriteWaterBudget(const std::filesystem::path& folder,
                                       const WaterBudget& budget) {
  const auto path = FindInFolder(folder, WaterBudgetFileName(budget.sa5));
  const std::string delivery = MonthlyDeliveryCsv(budget.delivery, budget.unit);
  WriteWholeFile(path, WaterBudgetCsv(budget) + (delivery.empty() ? "" : "\n" + delivery));
  return path;
}

WrittenBudget MakeStudyAreaBudget(const std::filesystem::path& folder, const std::string& sa5,
                                  VolumeUnit unit) {
  WrittenBudget written{MakeWaterBudget(ReadStudyAreaResults(folder, sa5), unit), {}};
  written.file = WriteWaterBudget(folder, written.budget);
  return written;
}

std::string WaterBudgetText(const WaterBudget& budget) {
  return Printf("Water budget of study area %s: %zu crops, %zu years (%d-%d)\n\n",
                budget.sa5.c_str(), budget.crops.size(), budget.years.size(), budget.years.front(),
                budget.years.back()) +
         BudgetTable(budget) + "\n" + SpreadTable(budget) +
         MonthlyDeliveryText(budget.delivery, budget.unit);
}

}  // namespace kelvaro
