// The station line of an input file, read for its latitude and elevation before a run.
#include "fuzz_support.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const StationLineNumbers numbers = ParseStationLineNumbers(fuzz::AsText(data, size));
  // What it hands out always converts: the run puts it into the fields as typed.
  for (const auto& text : {numbers.latitude, numbers.elevation}) {
    if (text) ParseFloat(*text);
  }
  return 0;
}
