#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generator/record_figures.h"

namespace kelvaro {

// One figure of the measured record beside the same figure of the generated one.
struct ComparedFigure {
  std::string variable;   // "TMax", "Rain", "Annual ETo", ...
  std::string statistic;  // "mean", "sd", "total", "wet days", "spell", ...
  std::string unit;
  int month = 0;  // 1..12, or 0 for the whole year
  float measured = 0.0f;
  float generated = 0.0f;
  bool temperature = false;  // a difference in % means nothing on the Celsius scale

  float Difference() const;  // generated - measured; -999 where either is missing
  // 100 (generated - measured) / measured; nothing for a temperature, a missing value or 0.
  std::optional<float> DifferencePercent() const;
};

// Every figure compared, and one verdict line per variable.
struct RecordComparison {
  std::vector<ComparedFigure> figures;
  std::vector<std::string> verdicts;
};

RecordComparison CompareRecords(const RecordFigures& measured, const RecordFigures& generated);

// The comparison as a spreadsheet: a title line, the column line, a row per figure, then a blank
// line and the verdicts.
std::string GeneratorCheckCsv(const RecordComparison& comparison, const std::string& title);

}  // namespace kelvaro
