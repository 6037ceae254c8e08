// The monthly means table (.mon and the ETo-bearing monthly kinds).
#include "fuzz_support.h"
#include "weatherio/monthly_means_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const TextFile file{"FUZZ.mon", SplitLines(fuzz::AsText(data, size))};
  fuzz::RefusalsAreFine([&] { ReadMonthlyMeans(file, MonthlyColumns::kWithoutEto); });
  fuzz::RefusalsAreFine([&] { ReadMonthlyMeans(file, MonthlyColumns::kWithEto); });
  return 0;
}
