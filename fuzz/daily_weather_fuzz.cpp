// The daily weather file (.day), read as the daily ETo reads it.
#include "fuzz_support.h"
#include "weatherio/daily_weather_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const TextFile file{"FUZZ.day", SplitLines(fuzz::AsText(data, size))};
  fuzz::RefusalsAreFine([&] { ParseWeatherDays(file, false); });
  fuzz::RefusalsAreFine([&] { ParseWeatherDays(file, true); });
  return 0;
}
