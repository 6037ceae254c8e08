#include "crops/crop_file.h"

#include "weatherio/file_naming.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {

std::string SA5Of(int sa_number) { return Printf("%05d", sa_number); }

std::string CropFileName(int sa_number) { return "SA" + SA5Of(sa_number) + ".csv"; }

std::filesystem::path AppendCropRow(const std::filesystem::path& folder, int sa_number,
                                    const CropRow& row) {
  const auto path = FindInFolder(folder, CropFileName(sa_number));
  std::error_code error;
  const bool is_new = !std::filesystem::exists(path, error);
  // Header and first row go out in one write, so a new file never holds a header alone.
  AppendToFile(path, is_new ? CropFileHeader() + FormatCropRow(row) : FormatCropRow(row));
  return path;
}

std::optional<CropFile> ReadStudyAreaCrops(const std::filesystem::path& folder, int sa_number) {
  return ReadCropFile(FindInFolder(folder, "SA" + SA5Of(sa_number) + ".CSV"));
}

}  // namespace kelvaro
