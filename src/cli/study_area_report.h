#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "weatherio/whole_years.h"

namespace kelvaro::cli {

// Prints, per crop of a study area, the annual means of in-season ETc, effective rain and ETAW
// and of the whole year's ETAW (the 9999 row of its annual file), then its monthly ETAW from the
// study area's ETAW summary, each table saying what its figures are.
// The heading of the means says over how many whole and partial years of the station's working
// file they are taken, as the run counted them. Returns false when the result files are not there.
bool PrintStudyAreaReport(const std::filesystem::path& dir, const std::string& sa5,
                          const std::string& station_stem,
                          const std::optional<RecordYears>& record_years);

}  // namespace kelvaro::cli
