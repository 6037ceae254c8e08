#include "crops/crop_file.h"

#include <fstream>

#include "weatherio/file_naming.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {

std::string SA5Of(int sa_number) { return Printf("%05d", sa_number); }

std::string CropFileName(int sa_number) { return "SA" + SA5Of(sa_number) + ".csv"; }

namespace {

// True when the file's last byte is a line break; an empty or unreadable file has none.
bool EndsWithLineBreak(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in || in.tellg() <= 0) return false;
  in.seekg(-1, std::ios::end);
  return in.get() == '\n';
}

}  // namespace

std::filesystem::path AppendCropRow(const std::filesystem::path& folder, int sa_number,
                                    const CropRow& row) {
  const auto found = FindInFolder(folder, CropFileName(sa_number));
  // A link leading out of the folder or a read-only file is refused before anything is read.
  const auto path = CheckedDestination(found);
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  // An empty file gets the header too: readers skip three lines, which would hide the first row.
  const bool is_new = error || size == 0;
  // A file last saved without a final line break (edited by hand) would join the new row to its
  // last row.
  const std::string separator = !is_new && !EndsWithLineBreak(path) ? "\n" : "";
  // Header and first row go out in one write, so a new file never holds a header alone.
  AppendToFile(found, (is_new ? CropFileHeader() : separator) + FormatCropRow(row));
  return found;
}

std::optional<CropFile> ReadStudyAreaCrops(const std::filesystem::path& folder, int sa_number) {
  return ReadCropFile(FindInFolder(folder, "SA" + SA5Of(sa_number) + ".CSV"));
}

}  // namespace kelvaro
