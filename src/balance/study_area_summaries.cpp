#include "balance/study_area_summaries.h"

#include "weatherio/file_naming.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

constexpr const char* kColumnLines =
    "Crop,Code,Jan,Feb,Mar,Apr,May,June,July,Aug,Sep,Oct,Nov,Dec,Jan-Dec\n"
    ",,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm\n";

std::string Header(const char* title, const std::string& sa5, int year_count) {
  return Printf(" %s %s %s %3d\n", title, sa5.c_str(), ",Number of years=", year_count) +
         kColumnLines;
}

std::string SummaryRow(const CropRow& row, const std::array<float, 12>& values) {
  float total = 0.0f;
  for (float value : values) total += value;
  const auto& v = values;
  return Printf(
      "%s,%s,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n",
      row.name.c_str(), row.code.c_str(), v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8],
      v[9], v[10], v[11], total);
}

}  // namespace

StudyAreaSummaries::StudyAreaSummaries(OutputFileSet& files, const std::filesystem::path& folder,
                                       const std::string& sa5, int year_count)
    : etaw_(files.Add(FindInFolder(folder, SumOfEtawFileName(sa5)))),
      etc_(files.Add(FindInFolder(folder, SumOfEtcFileName(sa5)))) {
  etaw_.Write(Header("Summary of ETAW for study area", sa5, year_count));
  etc_.Write(Header("Summary of ETc for study area", sa5, year_count));
}

void StudyAreaSummaries::AddCrop(const CropRow& row, const std::array<MonthAverage, 12>& months) {
  std::array<float, 12> etaw{};
  std::array<float, 12> etc{};
  for (size_t m = 0; m < 12; ++m) {
    etaw[m] = months[m].etaw;
    etc[m] = months[m].etc;
  }
  etaw_.Write(SummaryRow(row, etaw));
  etc_.Write(SummaryRow(row, etc));
}

}  // namespace kelvaro
