#include "balance/irrigation_event_files.h"

#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

std::string Title(const char* what, const std::string& sa5, int year_count) {
  return Printf(" %s of study area %s,Number of years=%3d\n", what, sa5.c_str(), year_count);
}

float MeanDepth(float depth_mm, float count) { return count > 0.0f ? depth_mm / count : kMissing; }

std::string SummaryRows(int crop_number, const CropRow& row, const CropSums& sums,
                        const YearDayTable& table) {
  const auto years = IrrigationsByYear(sums.irrigations, sums.year_count);
  std::string text;
  YearIrrigations all;
  for (int year = 1; year <= sums.year_count; ++year) {
    const YearIrrigations& y = years[static_cast<size_t>(year)];
    text += Printf("%4d,%s,%4d,%4d,%8.2f,%8.2f,%8.2f\n", crop_number, row.name.c_str(),
                   table.CalendarYear(year), y.count, y.depth_mm,
                   MeanDepth(y.depth_mm, static_cast<float>(y.count)), y.pre_irrigation_mm);
    all.count += y.count;
    all.depth_mm += y.depth_mm;
    all.pre_irrigation_mm += y.pre_irrigation_mm;
  }
  const float n = static_cast<float>(sums.year_count);
  text += Printf("%4d,%s,%4d,%8.2f,%8.2f,%8.2f,%8.2f\n", crop_number, row.name.c_str(),
                 kIrrigationAverageYear, static_cast<float>(all.count) / n, all.depth_mm / n,
                 MeanDepth(all.depth_mm, static_cast<float>(all.count)), all.pre_irrigation_mm / n);
  return text;
}

std::string EventRows(int crop_number, const CropRow& row, const CropSums& sums,
                      const YearDayTable& table) {
  std::string text;
  for (const IrrigationEvent& event : sums.irrigations) {
    const char* kind =
        event.kind == IrrigationKind::kPreIrrigation ? kPreIrrigationText : kIrrigationText;
    text += Printf("%4d,%s,%4d,%4d,%s,%8.2f\n", crop_number, row.name.c_str(),
                   table.CalendarYear(event.year_index), event.doy, kind, event.depth_mm);
  }
  return text;
}

}  // namespace

std::vector<YearIrrigations> IrrigationsByYear(const std::vector<IrrigationEvent>& events,
                                               int year_count) {
  std::vector<YearIrrigations> years(static_cast<size_t>(year_count + 1));
  for (const IrrigationEvent& event : events) {
    if (event.year_index < 1 || event.year_index > year_count) continue;
    YearIrrigations& year = years[static_cast<size_t>(event.year_index)];
    if (event.kind == IrrigationKind::kPreIrrigation) {
      year.pre_irrigation_mm += event.depth_mm;
    } else {
      ++year.count;
      year.depth_mm += event.depth_mm;
    }
  }
  return years;
}

IrrigationEventFiles::IrrigationEventFiles(OutputFileSet& files,
                                           const std::filesystem::path& folder,
                                           const std::string& sa5, int year_count)
    : summary_(files.Add(FindInFolder(folder, IrrigationSummaryFileName(sa5)))),
      events_(files.Add(FindInFolder(folder, IrrigationEventsFileName(sa5)))) {
  summary_.Write(Title("Irrigations", sa5, year_count) +
                 "Crop#,Crop,Year,Irrigations,Depth,Mean depth,Pre-Irr\n#,,#,#,mm,mm,mm\n");
  events_.Write(Title("Irrigation events", sa5, year_count) +
                "Crop#,Crop,Year, DOY,Kind,Depth\n#,,#,#,,mm\n");
}

void IrrigationEventFiles::AddCrop(int crop_number, const CropRow& row, const CropSums& sums,
                                   const YearDayTable& table) {
  summary_.Write(SummaryRows(crop_number, row, sums, table));
  events_.Write(EventRows(crop_number, row, sums, table));
}

}  // namespace kelvaro
