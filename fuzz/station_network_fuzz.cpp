// The weather-station network's daily export (.qrd, .cdm), read line by line as the
// conversion to daily weather reads it.
#include "eto/station_network_day.h"
#include "fuzz_support.h"
#include "weatherio/data_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const TextFile file{"FUZZ.qrd", SplitLines(fuzz::AsText(data, size))};
  fuzz::RefusalsAreFine([&] {
    ParseDataLines(
        file, [](const std::string& line) { return ParseStationNetworkDay(line); }, 0);
  });
  return 0;
}
