#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "weatherio/errors.h"

namespace kelvaro {

// The files of one run are written into a staging folder inside the data folder and switched
// into place together at the end, or not at all. Before the first rename the list of renames is
// written to a journal in the data folder and synced to disk, so a run killed in the middle of
// the switch is finished by the next command that opens the folder (RecoverFolder); one killed
// before it leaves the old results untouched and a staging folder that is removed.
class StagedRun {
 public:
  explicit StagedRun(const std::filesystem::path& folder);
  StagedRun(const StagedRun&) = delete;
  StagedRun& operator=(const StagedRun&) = delete;
  // Without Commit() the staging folder and everything in it is removed.
  ~StagedRun();

  const std::filesystem::path& staging() const { return staging_; }
  const std::filesystem::path& folder() const { return folder_; }

  // Copies a file the run reads into the staging folder under its name as found. Refuses two
  // files whose names differ only in letter case. Nothing when there is no such file.
  void Bring(const std::string& name);
  const std::vector<std::string>& brought() const { return brought_; }
  // Names of the files the run wrote into the staging folder, sorted.
  std::vector<std::string> Written() const;

  // A file of the data folder to move aside before the switch: (name, new name).
  using KeptFile = std::pair<std::string, std::string>;

  // Refuses (InputError naming the file and the reason) a destination that is a folder or
  // read-only, or has a case variant; then switches every written file into place, a file of
  // the data folder whose name differs only in letter case being replaced under its own name,
  // and a link being replaced rather than written through.
  void Commit(const std::vector<KeptFile>& kept = {});

 private:
  std::filesystem::path folder_;
  std::filesystem::path staging_;
  std::vector<std::string> brought_;
  bool committed_ = false;
};

// Two files of a folder whose names differ only in letter case, either of which could be taken
// for the other: refused before anything is read or written.
class CaseVariants : public FolderRefusal {
 public:
  using FolderRefusal::FolderRefusal;
};

// The names of a folder's entries by their letter-case-blind key, read once.
class FolderNames {
 public:
  explicit FolderNames(const std::filesystem::path& folder);
  // The name `name` has in the folder in any letter case; refuses two names that differ only in
  // letter case, naming both. Nothing when there is none.
  std::optional<std::string> Find(const std::string& name) const;

 private:
  std::multimap<std::string, std::string> names_;
};

// FolderNames(folder).Find(name).
std::optional<std::string> NameInFolder(const std::filesystem::path& folder,
                                        const std::string& name);

// Finishes a switch a killed run left half done, removes the staging folders and unfinished
// files of runs killed before their switch, and says what it did, a line each. Call it holding
// the folder's lock, before anything else reads or writes the folder.
std::vector<std::string> RecoverFolder(const std::filesystem::path& folder);

}  // namespace kelvaro
