#pragma once

#include <filesystem>
#include <string>

namespace kelvaro::cli {

// Prints, per crop of a study area, the annual means of in-season ETc, effective rain and ETAW
// and of the whole year's ETAW (the 9999 row of its annual file), then its monthly ETAW from the
// study area's ETAW summary, each table saying what its figures are.
// The heading of the means says over how many whole and partial years of the station's working
// file they are taken. Returns false when the result files are not there.
bool PrintStudyAreaReport(const std::filesystem::path& dir, const std::string& sa5,
                          const std::string& station_stem);

}  // namespace kelvaro::cli
