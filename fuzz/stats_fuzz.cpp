// The working daily file as the weather statistics read it, through to the six files.
#include "fuzz_support.h"
#include "session/reporter.h"
#include "session/session.h"
#include "stats/weather_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  fuzz::WriteInput("FUZZ.wrk", fuzz::AsText(data, size));
  RecordingReporter reporter;
  Session session(fuzz::Folder(), reporter);
  fuzz::RefusalsAreFine([&] { WeatherStatistics("FUZZ", session); });
  return 0;
}
