#include "cli/study_area_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "balance/crop_output_files.h"
#include "reports/text_table.h"
#include "weatherio/calendar.h"
#include "weatherio/field_split.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/study_area_names.h"
#include "weatherio/text_file.h"
#include "weatherio/whole_years.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro::cli {
namespace {

constexpr int kSummaryColumns = 15;  // crop, code, twelve months, year
constexpr int kAnnualColumns = 10;

struct CropSummary {
  std::string name;
  std::vector<float> monthly_etaw;  // Jan..Dec, then the year
};

std::vector<CropSummary> ReadEtawSummary(const std::filesystem::path& dir, const std::string& sa5) {
  std::vector<CropSummary> crops;
  const auto file = ReadTextFile(FindInFolder(dir, SumOfEtawFileName(sa5)));
  if (!file) return crops;
  for (size_t i = kHeaderLineCount; i < file->lines.size(); ++i) {
    if (IsBlankLine(file->lines[i])) continue;
    const auto fields = SplitFieldsFromRight(file->lines[i], kSummaryColumns);
    CropSummary crop{std::string(Trim(fields[0])), {}};
    for (size_t f = 2; f < fields.size(); ++f) crop.monthly_etaw.push_back(ParseFloat(fields[f]));
    crops.push_back(std::move(crop));
  }
  return crops;
}

// CETc, CEr and ETAW (in season) and AETAW (whole year) of the averages row; nothing when the
// file or the row is missing.
std::vector<float> AnnualMeans(const std::filesystem::path& dir, const std::string& sa5,
                               int crop_number) {
  const auto file = ReadTextFile(FindInFolder(dir, CropFileStem(sa5, crop_number) + ".EAW"));
  if (!file) return {};
  for (const auto& line : file->lines) {
    if (!line.starts_with("9999,")) continue;
    const auto fields = SplitFieldsFromRight(line, kAnnualColumns);
    return {ParseFloat(fields[1]), ParseFloat(fields[2]), ParseFloat(fields[3]),
            ParseFloat(fields[6])};
  }
  return {};
}

// " over 17 whole years and 1 partial year of MARIC.wrk", or nothing without the file.
std::string YearsOfRecord(const std::filesystem::path& dir, const std::string& station_stem) {
  const std::string name = station_stem + ".wrk";
  const auto record = ReadWorkingDailyFile(FindInFolder(dir, name));
  if (station_stem.empty() || !record) return "";
  return " over " + YearsPhrase(CountWholeYears(record->days)) + " of " + name;
}

std::string Tenths(float value) { return Printf("%.1f", value); }

std::string AnnualTable(const std::filesystem::path& dir, const std::string& sa5,
                        const std::vector<CropSummary>& crops) {
  TextTable table(
      {{"Crop", 22, CellAlign::kLeft}, {"CETc", 8}, {"CEr", 8}, {"ETAW", 8}, {"AETAW", 8}}, "  ");
  for (size_t k = 0; k < crops.size(); ++k) {
    const auto means = AnnualMeans(dir, sa5, static_cast<int>(k + 1));
    if (means.size() != 4) continue;
    table.AddRow(
        {crops[k].name, Tenths(means[0]), Tenths(means[1]), Tenths(means[2]), Tenths(means[3])});
  }
  return table.Text();
}

std::string MonthlyTable(const std::vector<CropSummary>& crops) {
  std::vector<TextColumn> columns{{"Crop", 24, CellAlign::kLeft}};
  for (const char* month : kMonthAbbreviations) columns.push_back({month, 6});
  columns.push_back({"Year", 6});
  TextTable table(std::move(columns), "  ");
  for (const CropSummary& crop : crops) {
    std::vector<std::string> row{crop.name};
    for (float value : crop.monthly_etaw) row.push_back(Tenths(value));
    table.AddRow(std::move(row));
  }
  return table.Text();
}

}  // namespace

bool PrintStudyAreaReport(const std::filesystem::path& dir, const std::string& sa5,
                          const std::string& station_stem) {
  const auto crops = ReadEtawSummary(dir, sa5);
  if (crops.empty()) return false;
  std::printf(
      "  Mean of a year%s, mm\n"
      "  (row 9999 of each crop's .EAW): in season CETc (crop ET), CEr (effective rain)\n"
      "  and ETAW = CETc - CEr; AETAW the same for the whole year\n",
      YearsOfRecord(dir, station_stem).c_str());
  std::fputs(AnnualTable(dir, sa5, crops).c_str(), stdout);
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
