#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "balance/crop_sums.h"
#include "balance/soil_water_balance.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"
#include "weatherio/fixed_point_text.h"
#include "weatherio/output_file.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// Result files in `folder` of crop numbers above `crop_count` (or 0): "SA" + SA5 + "C" + digits
// with the extension .CSV, .EAW or .mtv in any letter case, left by a run on a longer crop file.
// Sorted by name.
std::vector<std::string> StaleCropResultFiles(const std::filesystem::path& folder,
                                              const std::string& sa5, int crop_count);

// Room that WriteDailyRowText needs: two dates, thirteen values, their commas and the line end.
inline constexpr size_t kDailyRowRoom = 15 * (kFixedTextRoom + 1);

// Writes one row of the daily balance file, line end included, at `out` and returns its end.
// Throws InvariantError, having written nothing the file would show, when a value is not finite.
char* WriteDailyRowText(char* out, const DailyBalanceRow& row);

// The three result files of one crop: daily balance (.CSV), annual sums (.EAW) and monthly
// means (.mtv), made in the study area's set, which replaces the old files when the whole study
// area is done.
class CropOutputs {
 public:
  // OpenCropOutputs: the files' header lines.
  CropOutputs(OutputFileSet& files, const std::filesystem::path& folder, const std::string& sa5,
              int crop_number, const CropRow& row);

  void WriteDailyRow(const DailyBalanceRow& row);

  // The annual rows with their 9999 average row and the twelve monthly rows; the three files are
  // then complete (and closed) and wait for the set's commit.
  void FinishCrop(const CropSums& sums, const YearDayTable& table);

 private:
  OutputFile& daily_;
  OutputFile& annual_;
  OutputFile& monthly_;
};

}  // namespace kelvaro
