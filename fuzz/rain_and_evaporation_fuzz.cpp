// The daily pan (.dpn) and daily ETo (.det) files: Year, Mon, Day, DOY, Pcp, EPan or ETo.
#include "fuzz_support.h"
#include "weatherio/rain_and_evaporation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const TextFile file{"FUZZ.dpn", SplitLines(fuzz::AsText(data, size))};
  for (EvaporationColumn column : {EvaporationColumn::kEPan, EvaporationColumn::kETo}) {
    fuzz::RefusalsAreFine([&] { ParseRainAndEvaporationDays(file, column); });
  }
  return 0;
}
