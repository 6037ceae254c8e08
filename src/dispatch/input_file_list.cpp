#include "dispatch/input_file_list.h"

#include <algorithm>

#include "session/run_parameters.h"
#include "weatherio/letter_case.h"

namespace kelvaro {

std::vector<InputFileEntry> InputFilesOfKind(const std::filesystem::path& folder,
                                             std::string_view ext) {
  std::vector<InputFileEntry> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::filesystem::path& path = entry.path();
    std::error_code kind_error;
    if (!entry.is_regular_file(kind_error) || path.extension().string().size() < 2) continue;
    if (!EqualsIgnoringCase(path.extension().string().substr(1), ext)) continue;
    RunParameters run;
    run.Station = path.stem().string();
    files.push_back({path.filename().string(), run.Station, run.FileStem() == run.Station});
  }
  std::sort(files.begin(), files.end(), [](const InputFileEntry& a, const InputFileEntry& b) {
    return ToUpperAscii(a.file_name) < ToUpperAscii(b.file_name);
  });
  return files;
}

}  // namespace kelvaro
