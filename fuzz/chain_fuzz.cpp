// One whole chain of the run dialog: the input written as STATN.<kind> beside the bundled study
// area, then every operation of the kind's row. Built once per kind (KELVARO_FUZZ_KIND).
#include <fstream>
#include <sstream>

#include "dispatch/dispatch_table.h"
#include "fuzz_support.h"
#include "session/reporter.h"
#include "session/session.h"

namespace {

std::string ExampleCropFile() {
  std::ifstream in(KELVARO_FUZZ_CROP_FILE, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  static const std::string crop_file = ExampleCropFile();
  fuzz::ClearFolder();
  fuzz::WriteInput("STATN." KELVARO_FUZZ_KIND, fuzz::AsText(data, size));
  fuzz::WriteInput("SA00001.csv", crop_file);

  RecordingReporter reporter;
  Session session(fuzz::Folder(), reporter);
  RunParameters run;
  run.Station = "STATN";
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.SA = "1";
  run.Years = "2";
  run.FetchVal = "100";
  run.ext = KELVARO_FUZZ_KIND;
  const auto index = ExtComboIndex(run.ext);
  fuzz::RefusalsAreFine([&] { RunChain(kDispatchTable[*index], run, session); });
  return 0;
}
