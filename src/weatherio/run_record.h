#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "weatherio/file_checksum.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// What a run leaves beside its results, in the same switch: the program, the date, the run's
// parameters, and every file it read and wrote with its size and SHA-256. Readers of results
// check them against it, so results mixed from two runs or changed since are never reported
// as one run's. One record per station and study area: "SA00001-MARIC.kvrun".
struct RunRecord {
  struct File {
    std::string name;
    FileFingerprint fingerprint;
  };
  std::string name;                                             // the record's file name
  std::string version;                                          // of the program
  std::string date;                                             // UTC, ISO 8601
  std::vector<std::pair<std::string, std::string>> parameters;  // kind, station, ... as typed
  std::vector<File> inputs;
  std::vector<File> outputs;

  std::string Parameter(const std::string& key) const;
  // "day MARIC, SA 1, 2026-12-08T23:10:00Z"
  std::string Summary() const;
};

std::string RunRecordText(const RunRecord& record);
// Throws InputError naming the file and line when the text is not a run record.
RunRecord ParseRunRecord(const std::string& name, const std::string& text);

// Every run record of the folder, newest first. A record that cannot be read is passed over.
std::vector<RunRecord> ReadRunRecords(const std::filesystem::path& folder);

// The first file of the record (inputs, then outputs) that is gone from `folder` or no longer
// the file the run read or wrote; nothing when all are as they were.
std::optional<std::string> ChangedSinceRun(const RunRecord& record,
                                           const std::filesystem::path& folder);

// The newest record whose outputs include `file_name` (letter case ignored).
std::optional<RunRecord> RecordWriting(const std::vector<RunRecord>& records,
                                       const std::string& file_name);

// Why `file` is not to be shown as a run's result: the newest record of its folder that wrote a
// file of that name lists other bytes. Nothing for a file no record lists, or one unchanged.
std::optional<std::string> ChangedResultMessage(const std::filesystem::path& file);

// The current UTC time as the records write it.
std::string RecordDate();

}  // namespace kelvaro
