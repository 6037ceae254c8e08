// Number parsing of every field of every file and form.
#include <cmath>

#include "fuzz_support.h"
#include "weatherio/number_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  const std::string_view text = fuzz::AsText(data, size);
  fuzz::RefusalsAreFine([&] {
    // A value that was accepted is always a finite number.
    if (!std::isfinite(ParseFloat(text))) __builtin_trap();
  });
  fuzz::RefusalsAreFine([&] { ParseInt(text); });
  return 0;
}
