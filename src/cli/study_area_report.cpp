#include "cli/study_area_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/crop_figures.h"
#include "analysis/text_table.h"
#include "weatherio/calendar.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"
#include "weatherio/whole_years.h"

namespace kelvaro::cli {
namespace {

std::string Tenths(float value) { return Printf("%.1f", value); }

std::string AnnualTable(const std::vector<CropFigures>& crops) {
  TextTable table(
      {{"Crop", 22, CellAlign::kLeft}, {"CETc", 8}, {"CEr", 8}, {"ETAW", 8}, {"AETAW", 8}}, "  ");
  for (const CropFigures& crop : crops) {
    if (!crop.annual) continue;
    const auto& means = *crop.annual;
    table.AddRow(
        {crop.name, Tenths(means[0]), Tenths(means[1]), Tenths(means[2]), Tenths(means[3])});
  }
  return table.Text();
}

std::string MonthlyTable(const std::vector<CropFigures>& crops) {
  std::vector<TextColumn> columns{{"Crop", 24, CellAlign::kLeft}};
  for (const char* month : kMonthAbbreviations) columns.push_back({month, 6});
  columns.push_back({"Year", 6});
  TextTable table(std::move(columns), "  ");
  for (const CropFigures& crop : crops) {
    std::vector<std::string> row{crop.name};
    for (float value : crop.monthly_etaw) row.push_back(Tenths(value));
    table.AddRow(std::move(row));
  }
  return table.Text();
}

}  // namespace

bool PrintStudyAreaReport(const std::filesystem::path& dir, const std::string& sa5,
                          const std::string& station_stem,
                          const std::optional<RecordYears>& record_years) {
  const auto crops = ReadCropFigures(dir, sa5);
  if (crops.empty()) return false;
  std::printf(
      "  Mean of a year%s, mm\n"
      "  (row 9999 of each crop's .EAW): in season CETc (crop ET), CEr (effective rain)\n"
      "  and ETAW = CETc - CEr; AETAW the same for the whole year\n",
      (station_stem.empty() ? "" : OverTheRecord(station_stem + ".wrk", record_years)).c_str());
  std::fputs(AnnualTable(crops).c_str(), stdout);
  std::printf(
      "\n  Monthly ETAW, mm (%s): ETc less effective rain of every month,\n"
      "  the bare soil's ETc of fallow months included, so the months add up to more than the\n"
      "  year's ETAW; for a delivery schedule, the monthly irrigation delivered of\n"
      "  `kelvaro-cli report --sa %d`\n",
      SumOfEtawFileName(sa5).c_str(), std::stoi(sa5));
  std::fputs(MonthlyTable(crops).c_str(), stdout);
  return true;
}

}  // namespace kelvaro::cli
