#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/run_parameters.h"

namespace kelvaro {

// One run of a batch file: what a user would enter in the run dialog for one input kind (the
// kind, in lower case, as the extension `ext`), and the data folder it runs in.
struct BatchRun {
  int line = 0;  // where the run is in the batch file, from 1
  RunParameters parameters;
  std::filesystem::path folder;
};

struct BatchFile {
  std::string name;  // as shown in messages
  std::vector<BatchRun> runs;
};

// The fields of a batch line, in order.
inline constexpr std::string_view kBatchColumns =
    "kind,station,latitude,elevation,sa,years,fetch,folder";

// One line of a batch file: the eight fields of kBatchColumns separated by commas, each trimmed;
// years and fetch may be empty where the kind does not use them. Throws InputError (without the
// location) for a line without eight fields, an unknown kind or an empty folder.
BatchRun ParseBatchLine(std::string_view line);

// Reads a batch file, one run a line. Blank lines and lines starting with '#' are passed over,
// and a first line whose first field is "kind" is the header of the columns. A relative folder
// is taken from the current folder. Refused with InputError naming the file and line: a line
// ParseBatchLine refuses, a folder that is not an existing folder, a line that would write the
// files of a line before it (the same folder and station file stem, or the same folder and
// study area), and a file without any run. Returns nothing when the file cannot be opened.
std::optional<BatchFile> ReadBatchFile(const std::filesystem::path& path);

}  // namespace kelvaro
