#include "analysis/crop_figures.h"

#include "weatherio/field_split.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"
#include "weatherio/study_area_names.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr int kSummaryColumns = 15;  // crop, code, twelve months, year
constexpr int kAnnualColumns = 10;

// CETc, CEr and ETAW (in season) and AETAW (whole year) of the averages row.
std::optional<std::array<float, 4>> AnnualMeans(const std::filesystem::path& dir,
                                                const std::string& sa5, int crop_number) {
  const auto file = ReadTextFile(FindInFolder(dir, CropFileStem(sa5, crop_number) + ".EAW"));
  if (!file) return std::nullopt;
  for (const auto& line : file->lines) {
    if (!line.starts_with("9999,")) continue;
    const auto fields = SplitFieldsFromRight(line, kAnnualColumns);
    return std::array<float, 4>{ParseFloat(fields[1]), ParseFloat(fields[2]), ParseFloat(fields[3]),
                                ParseFloat(fields[6])};
  }
  return std::nullopt;
}

}  // namespace

std::vector<CropFigures> ReadCropFigures(const std::filesystem::path& dir, const std::string& sa5) {
  std::vector<CropFigures> crops;
  const auto file = ReadTextFile(FindInFolder(dir, SumOfEtawFileName(sa5)));
  if (!file) return crops;
  for (size_t i = kHeaderLineCount; i < file->lines.size(); ++i) {
    if (IsBlankLine(file->lines[i])) continue;
    const auto fields = SplitFieldsFromRight(file->lines[i], kSummaryColumns);
    CropFigures crop{std::string(Trim(fields[0])), std::nullopt, {}};
    for (size_t f = 2; f < fields.size(); ++f) crop.monthly_etaw.push_back(ParseFloat(fields[f]));
    crop.annual = AnnualMeans(dir, sa5, static_cast<int>(crops.size() + 1));
    crops.push_back(std::move(crop));
  }
  return crops;
}

}  // namespace kelvaro
