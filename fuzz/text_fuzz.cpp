// The line reader and the right-to-left field splitter.
#include "fuzz_support.h"
#include "weatherio/field_split.h"
#include "weatherio/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  if (size == 0) return 0;
  const int column_count = 1 + data[0] % 32;
  for (const std::string& line : SplitLines(fuzz::AsText(data + 1, size - 1))) {
    fuzz::RefusalsAreFine([&] {
      const auto fields = SplitFieldsFromRight(line, column_count);
      if (static_cast<int>(fields.size()) != column_count) __builtin_trap();
    });
  }
  return 0;
}
