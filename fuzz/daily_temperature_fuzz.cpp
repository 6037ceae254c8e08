// The daily temperature file (.dtm, .rtm), in calendar order and day after day.
#include "fuzz_support.h"
#include "weatherio/daily_temperature_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const TextFile file{"FUZZ.dtm", SplitLines(fuzz::AsText(data, size))};
  fuzz::RefusalsAreFine([&] { ParseTemperatureDays(file, DayOrder::kCalendar); });
  fuzz::RefusalsAreFine([&] { ParseTemperatureDays(file, DayOrder::kConsecutive); });
  return 0;
}
