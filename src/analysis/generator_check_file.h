#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/result_table.h"
#include "generator/record_comparison.h"
#include "weatherio/text_file.h"

namespace kelvaro {

// What a generator check left in GeneratorCheckforSTATN.csv.
struct GeneratorCheckFile {
  std::string title;
  RecordComparison comparison;
};

// Reads the layout GeneratorCheckCsv writes. Throws InputError naming the file and line of the
// first line that is not of that layout, or naming the file when it ends before its verdicts.
GeneratorCheckFile ReadGeneratorCheckCsv(const TextFile& file);

// GeneratorCheckforSTATN.csv of the data folder; InputError when it is missing or malformed.
GeneratorCheckFile ReadGeneratorCheck(const std::filesystem::path& folder,
                                      const std::string& station);

// Every compared figure as a table of the file's columns, the cells as the file writes them.
ResultTable GeneratorCheckTable(const RecordComparison& comparison);

// The stations whose measured days the folder holds: the stems of its .day files that are a
// station's five characters or fewer, sorted.
std::vector<std::string> MeasuredStations(const std::filesystem::path& folder);

}  // namespace kelvaro
