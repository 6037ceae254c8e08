#include "crops/crop_file.h"

#include <fstream>
#include <iterator>

#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/staged_run.h"

namespace kelvaro {

std::filesystem::path AppendCropRow(const std::filesystem::path& folder, int sa_number,
                                    const CropRow& row) {
  const auto name = NameInFolder(folder, CropFileName(sa_number));  // refuses case variants
  const auto found = folder / name.value_or(CropFileName(sa_number));
  // A link leading out of the folder or a read-only file is refused before anything is read.
  const auto path = CheckedDestination(found);
  std::string text;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail())
      throw InputError("Couldn't read " + found.filename().string() + ".");
  }
  // An empty file gets the header too: readers skip three lines, which would hide the first
  // row. A file last saved without a final line break (edited by hand) would join the new row
  // to its last row.
  if (text.empty()) {
    text = CropFileHeader();
  } else if (text.back() != '\n') {
    text += '\n';
  }
  // The whole file is written anew and renamed into place, so a full disk or a kill leaves the
  // file as it was, and a file hard-linked from elsewhere is replaced, not written through.
  WriteWholeFile(found, text + FormatCropRow(row));
  return found;
}

std::optional<CropFile> ReadStudyAreaCrops(const std::filesystem::path& folder, int sa_number) {
  return ReadCropFile(FindInFolder(folder, SaCropFileName(SA5Of(sa_number))));
}

}  // namespace kelvaro
