// A run record, read by report, the charts and batch --resume to know a run's files again.
#include "fuzz_support.h"
#include "weatherio/run_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::RefusalsAreFine([&] {
    const RunRecord record =
        ParseRunRecord("SA00001-MARIC.kvrun", std::string(fuzz::AsText(data, size)));
    // What it read writes back as a record that reads the same.
    const RunRecord again = ParseRunRecord(record.name, RunRecordText(record));
    if (again.outputs.size() != record.outputs.size()) __builtin_trap();
    record.Summary();
  });
  return 0;
}
