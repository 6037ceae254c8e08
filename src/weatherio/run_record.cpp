#include "weatherio/run_record.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFirstLine = "KELVARO run record";

std::string FileLine(const char* kind, const RunRecord::File& file) {
  return std::string(kind) + "\t" + file.name + "\t" + std::to_string(file.fingerprint.size) +
         "\t" + file.fingerprint.sha256 + "\n";
}

bool Matches(const RunRecord::File& file, const fs::path& folder) {
  const auto now = FingerprintOf(FindInFolder(folder, file.name));
  return now && *now == file.fingerprint;
}

}  // namespace

std::string RunRecord::Parameter(const std::string& key) const {
  for (const auto& [k, value] : parameters) {
    if (k == key) return value;
  }
  return "";
}

std::string RunRecord::Summary() const {
  return "the " + Parameter("kind") + " run of " + Parameter("station") + " for study area " +
         Parameter("sa") + " of " + date;
}

std::string RunRecordText(const RunRecord& record) {
  std::string text = std::string(kFirstLine) + "\n";
  text += "version\t" + record.version + "\n";
  text += "date\t" + record.date + "\n";
  for (const auto& [key, value] : record.parameters)
    text += "parameter\t" + key + "\t" + value + "\n";
  for (const auto& file : record.inputs) text += FileLine("input", file);
  for (const auto& file : record.outputs) text += FileLine("output", file);
  return text;
}

RunRecord ParseRunRecord(const std::string& name, const std::string& text) {
  const auto lines = SplitLines(text);
  if (lines.empty() || lines[0] != kFirstLine) throw InputError(name + " is not a run record.");
  RunRecord record;
  record.name = name;
  for (size_t i = 1; i < lines.size(); ++i) {
    const auto f = SplitAtTabs(lines[i]);
    const auto refuse = [&] {
      throw InputError(name + ", line " + std::to_string(i + 1) + ": not a line of a run record");
    };
    if (f[0] == "version" && f.size() == 2) {
      record.version = f[1];
    } else if (f[0] == "date" && f.size() == 2) {
      record.date = f[1];
    } else if (f[0] == "parameter" && f.size() == 3) {
      record.parameters.emplace_back(f[1], f[2]);
    } else if ((f[0] == "input" || f[0] == "output") && f.size() == 4 && f[3].size() == 64) {
      std::uintmax_t size = 0;
      const auto [end, error] = std::from_chars(f[2].data(), f[2].data() + f[2].size(), size);
      if (error != std::errc() || end != f[2].data() + f[2].size()) refuse();
      RunRecord::File file{f[1], {size, f[3]}};
      (f[0] == "input" ? record.inputs : record.outputs).push_back(file);
    } else if (!lines[i].empty()) {
      refuse();
    }
  }
  return record;
}

std::vector<RunRecord> ReadRunRecords(const fs::path& folder) {
  std::vector<RunRecord> records;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const fs::path& path = entry.path();
    if (!EqualsIgnoringCase(path.extension().string(), kRunRecordExtension)) continue;
    const auto file = ReadTextFile(path);
    if (!file) continue;
    std::string text;
    for (const auto& line : file->lines) text += line + "\n";
    try {
      records.push_back(ParseRunRecord(path.filename().string(), text));
    } catch (const std::exception&) {
      // A record damaged by hand vouches for nothing; the files it named count as unrecorded.
    }
  }
  std::sort(records.begin(), records.end(),
            [](const RunRecord& a, const RunRecord& b) { return a.date > b.date; });
  return records;
}

std::optional<std::string> ChangedSinceRun(const RunRecord& record, const fs::path& folder) {
  for (const auto* files : {&record.inputs, &record.outputs}) {
    for (const RunRecord::File& file : *files) {
      if (!Matches(file, folder)) return file.name;
    }
  }
  return std::nullopt;
}

std::optional<RunRecord> RecordWriting(const std::vector<RunRecord>& records,
                                       const std::string& file_name) {
  for (const RunRecord& record : records) {
    for (const RunRecord::File& file : record.outputs) {
      if (EqualsIgnoringCase(file.name, file_name)) return record;
    }
  }
  return std::nullopt;
}

// To the microsecond, so that records of runs made one after another sort in their order.
std::optional<std::string> ChangedResultMessage(const fs::path& file) {
  const std::string name = file.filename().string();
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const auto record = RecordWriting(ReadRunRecords(folder), name);
  if (!record) return std::nullopt;
  for (const RunRecord::File& written : record->outputs) {
    if (EqualsIgnoringCase(written.name, name) && !Matches(written, folder)) {
      return name + " is not the file " + record->Summary() + " wrote (" + record->name +
             "); it was changed since. Run the study area again.";
    }
  }
  return std::nullopt;
}

std::string RecordDate() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() %
      1000000;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[40];
  const size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text + length, sizeof text - length, ".%06lldZ", static_cast<long long>(micros));
  return text;
}

}  // namespace kelvaro
