// The working daily file (.wrk) the water balance reads.
#include "fuzz_support.h"
#include "weatherio/working_daily_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  const auto path = fuzz::WriteInput("FUZZ.wrk", fuzz::AsText(data, size));
  fuzz::RefusalsAreFine([&] { ReadWorkingDailyFile(path); });
  return 0;
}
