// A study area's crop file, as hand-edited by a user.
#include "crops/crop_row.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  const auto path = fuzz::WriteInput("SA00001.csv", fuzz::AsText(data, size));
  fuzz::RefusalsAreFine([&] {
    const auto file = ReadCropFile(path);
    // Every row read back must write out again in the file's layout.
    if (file) {
      for (const CropRow& row : file->rows) FormatCropRow(row);
    }
  });
  return 0;
}
