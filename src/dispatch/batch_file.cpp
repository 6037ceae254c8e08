#include "dispatch/batch_file.h"

#include <map>
#include <utility>

#include "dispatch/dispatch_table.h"
#include "weatherio/errors.h"
#include "weatherio/letter_case.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr size_t kFieldCount = 8;

std::vector<std::string> SplitTrimmed(std::string_view line) {
  std::vector<std::string> fields;
  size_t begin = 0;
  while (true) {
    const size_t comma = line.find(',', begin);
    fields.emplace_back(Trim(line.substr(begin, comma - begin)));
    if (comma == std::string_view::npos) return fields;
    begin = comma + 1;
  }
}

std::string KnownKinds() {
  std::string kinds;
  for (const DispatchRow& row : kDispatchTable) {
    if (!kinds.empty()) kinds += ", ";
    kinds += row.ext;
  }
  return kinds;
}

bool IsHeader(std::string_view line) {
  return EqualsIgnoringCase(SplitTrimmed(line).front(), "kind");
}

bool IsPassedOver(const std::string& line) {
  return IsBlankLine(line) || Trim(line).starts_with('#');
}

// A folder as it is on disk, so that two spellings of one folder are seen as one.
std::filesystem::path ExistingFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    throw InputError("the folder " + QuotedPath(folder.string()) + " does not exist");
  }
  return std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
}

// The files a run writes are named by its station's file stem (in any letter case) and by its
// study area; two runs that share a folder must share neither.
class WrittenFiles {
 public:
  void Claim(const BatchRun& run, const std::filesystem::path& folder) {
    const RunParameters& parameters = run.parameters;
    const std::string stem = ToLowerAscii(parameters.FileStem());
    Refuse(stations_, {folder.string(), stem},
           "writes the files of station " + Quoted(parameters.FileStem()), run.line);
    Refuse(study_areas_, {folder.string(), parameters.SA5()},
           "writes the results of study area " + parameters.SA5(), run.line);
  }

 private:
  using Key = std::pair<std::string, std::string>;

  static void Refuse(std::map<Key, int>& claimed, const Key& key, const std::string& what,
                     int line) {
    const auto [earlier, fresh] = claimed.emplace(key, line);
    if (!fresh) {
      throw InputError(what + " in " + QuotedPath(key.first) + ", as line " +
                       std::to_string(earlier->second) + " does; two runs would write the " +
                       "same files at once");
    }
  }

  std::map<Key, int> stations_;
  std::map<Key, int> study_areas_;
};

}  // namespace

BatchRun ParseBatchLine(std::string_view line) {
  std::vector<std::string> fields = SplitTrimmed(line);
  if (fields.size() != kFieldCount) {
    throw InputError(std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") +
                     " where a run needs 8: " + std::string(kBatchColumns));
  }
  BatchRun run;
  RunParameters& parameters = run.parameters;
  parameters.ext = ToLowerAscii(fields[0]);
  if (!ExtComboIndex(parameters.ext)) {
    throw InputError("unknown input kind " + Quoted(fields[0]) + "; the kinds are " + KnownKinds());
  }
  parameters.Station = std::move(fields[1]);
  parameters.Latitude = std::move(fields[2]);
  parameters.Elevation = std::move(fields[3]);
  parameters.SA = std::move(fields[4]);
  parameters.Years = std::move(fields[5]);
  parameters.FetchVal = std::move(fields[6]);
  if (fields[7].empty()) throw InputError("no folder");
  run.folder = fields[7];
  return run;
}

std::optional<BatchFile> ReadBatchFile(const std::filesystem::path& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  BatchFile batch{text->name, {}};
  WrittenFiles written;
  bool first = true;
  for (size_t i = 0; i < text->lines.size(); ++i) {
    const std::string& line = text->lines[i];
    if (IsPassedOver(line)) continue;
    const int number = static_cast<int>(i + 1);
    try {
      if (std::exchange(first, false) && IsHeader(line)) continue;
      BatchRun run = ParseBatchLine(line);
      run.line = number;
      written.Claim(run, ExistingFolder(run.folder));
      batch.runs.push_back(std::move(run));
    } catch (...) {
      RethrowWithLocation(batch.name, number);
    }
  }
  if (batch.runs.empty()) throw InputError(batch.name + " holds no runs");
  return batch;
}

}  // namespace kelvaro
