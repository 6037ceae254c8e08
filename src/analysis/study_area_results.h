#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// One crop's results as the last run of its study area left them (mm).
struct CropResults {
  int number = 0;  // row number in the crop file, from 1
  std::string name;
  std::string code;
  int area_ha = 0;
  std::vector<float> etaw_mm;   // in-season ETAW of each year of the run
  std::vector<float> aetaw_mm;  // whole-year AETAW of each year
  float mean_etaw_mm = 0.0f;    // the annual file's averages row
  float mean_aetaw_mm = 0.0f;
  std::array<float, 12> monthly_etaw_mm{};    // the ETAW summary's months
  std::optional<float> irrigations_per_year;  // known when the run counted its irrigations
  // The depth its irrigations and pre-irrigations refilled in each month, one entry per year of
  // the run; empty when the run wrote no irrigation events.
  std::vector<std::array<float, 12>> delivered_mm;
};

struct StudyAreaResults {
  std::string sa5;
  std::string crop_file_name;
  std::vector<int> years;  // calendar years of the run
  std::vector<CropResults> crops;
  std::string events_file_name;  // the irrigation events read, empty when there were none
};

// The results of study area `sa5` in `folder`, checked against its crop file: the areas come
// from the crop file, the crops of the last run from the ETAW summary, each crop's years from
// its annual file (.EAW), the irrigations from the irrigation summary and the monthly deliveries
// from the irrigation events when there are such files. Values a run cannot write (an ETAW
// outside -500..5000 mm a year, an area above 1,000,000 ha, an irrigation deeper than 5000 mm)
// are refused naming file and line.
// Throws InputError naming the file when the study area has no crop file or no results yet,
// when the crop file no longer holds the crops of the last run, when an area is not above 0,
// or when a result file is cut short; ConversionError (with file and line) for a value that is
// not a number; and results that fail CheckAgainstRunRecord.
StudyAreaResults ReadStudyAreaResults(const std::filesystem::path& folder, const std::string& sa5);

// Refuses (InputError naming the file and the run) results of which a file is no longer what
// the study area's newest run record says its run read or wrote: edited, replaced by hand or
// mixed from two runs. Results without a record, from before records were kept, pass.
void CheckAgainstRunRecord(const std::filesystem::path& folder, const std::string& sa5);

}  // namespace kelvaro
