// GeneratorCheckforSTATN.csv as a user may have edited it: read, shown as the window's table and
// drawn as every variable's chart.
#include "analysis/generator_check_chart.h"
#include "analysis/generator_check_file.h"
#include "fuzz_support.h"
#include "generator/record_comparison.h"
#include "weatherio/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::RefusalsAreFine([&] {
    const TextFile file{"GeneratorCheckforMARIC.csv", SplitLines(fuzz::AsText(data, size))};
    const GeneratorCheckFile read = ReadGeneratorCheckCsv(file);
    GeneratorCheckTable(read.comparison);
    for (const CheckedVariable& variable : kGeneratorCheckVariables) {
      fuzz::RefusalsAreFine([&] { GeneratorCheckChart(read.comparison, "MARIC", variable); });
    }
    // What was read, written again as the check writes it, reads back to as many figures and
    // the same verdicts.
    const TextFile again{file.name, SplitLines(GeneratorCheckCsv(read.comparison, read.title))};
    const GeneratorCheckFile reread = ReadGeneratorCheckCsv(again);
    if (reread.comparison.figures.size() != read.comparison.figures.size() ||
        reread.comparison.verdicts != read.comparison.verdicts) {
      __builtin_trap();
    }
  });
  return 0;
}
