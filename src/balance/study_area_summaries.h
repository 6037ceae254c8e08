#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "balance/crop_sums.h"
#include "crops/crop_row.h"
#include "weatherio/output_file.h"

namespace kelvaro {

// The study area's two summaries, one row per crop: monthly ETAW (.saw) and monthly ETc (.set).
// Rows are gathered as the crops finish; the files are made in the study area's set and replace
// the old ones only when the set is committed, so a run that fails part way leaves the previous
// summaries whole.
class StudyAreaSummaries {
 public:
  // OpenStudyAreaSummaries: the three header lines of each file.
  StudyAreaSummaries(OutputFileSet& files, const std::filesystem::path& folder,
                     const std::string& sa5, int year_count);

  void AddCrop(const CropRow& row, const std::array<MonthAverage, 12>& months);

 private:
  OutputFile& etaw_;
  OutputFile& etc_;
};

}  // namespace kelvaro
