// A crop's daily balance file, as the normal year of one crop reads it, through to the ".nor".
#include <fstream>
#include <sstream>

#include "balance/normal_year.h"
#include "fuzz_support.h"
#include "session/reporter.h"
#include "session/session.h"

namespace {

const std::string& CropFileText() {
  static const std::string text = [] {
    std::ifstream in(KELVARO_FUZZ_CROP_FILE);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  fuzz::WriteInput("SA00001.CSV", CropFileText());
  fuzz::WriteInput("SA00001C003.CSV", fuzz::AsText(data, size));
  RecordingReporter reporter;
  Session session(fuzz::Folder(), reporter);
  const NormalYearFiles files{"00001", 3, "SA00001C003.CSV", "SA00001C003.nor", "SA00001C003"};
  fuzz::RefusalsAreFine([&] { WriteNormalYear(files, session); });
  return 0;
}
