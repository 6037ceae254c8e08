// The batch file of kelvaro-cli batch, as written by hand or by a script. (Its seeds name the
// folders "." and "/tmp", which exist wherever the fuzzer runs, so that their lines get as far
// as the checks for runs that would write the same files.)
#include "dispatch/batch_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  const auto path = fuzz::WriteInput("runs.csv", fuzz::AsText(data, size));
  fuzz::RefusalsAreFine([&] { ReadBatchFile(path); });
  return 0;
}
