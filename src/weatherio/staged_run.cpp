#include "weatherio/staged_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <regex>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/letter_case.h"
#include "weatherio/output_file.h"

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

constexpr const char* kStagingPrefix = ".kelvaro-staging-";
constexpr const char* kJournalName = ".kelvaro-journal";

std::string WithReason(const std::string& message, int error_number) {
  return message + "\n" + std::strerror(error_number);
}

fs::path FreshStagingFolder(const fs::path& folder) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%08x%08x", random(), random());
    const fs::path candidate = folder / (kStagingPrefix + std::string(suffix));
    if (::mkdir(candidate.c_str(), 0777) == 0) return candidate;
    if (errno != EEXIST) {
      throw InputError(WithReason("Couldn't write in the folder " + folder.string() + ".", errno));
    }
  }
  throw InputError("Couldn't write in the folder " + folder.string() + ".");
}

// Flushes a file or folder to disk; a folder's entries (the renames) need it too.
void SyncPath(const fs::path& path, bool whole_file_system = false) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return;
  if (whole_file_system) {
    ::syncfs(descriptor);
  } else {
    ::fsync(descriptor);
  }
  ::close(descriptor);
}

bool ExistsAsEntry(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// The user's own refusal to have the file changed, as for every result (see output_file).
void CheckReplaceable(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (!fs::exists(status) || fs::is_symlink(status)) return;  // a link is replaced, not followed
  const std::string name = path.filename().string();
  if (!fs::is_regular_file(status)) {
    throw InputError(name + " is not a regular file and is left as it is.");
  }
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kWrite) == fs::perms::none) {
    throw InputError(name + " is read-only and is left as it is.");
  }
}

struct Journal {
  std::string staging;
  std::vector<StagedRun::KeptFile> kept;
  std::vector<std::pair<std::string, std::string>> moves;  // staged name, name in the folder
};

std::string JournalText(const Journal& journal) {
  std::string text = "staging\t" + journal.staging + "\n";
  for (const auto& [name, kept] : journal.kept) text += "keep\t" + name + "\t" + kept + "\n";
  for (const auto& [staged, target] : journal.moves)
    text += "move\t" + staged + "\t" + target + "\n";
  return text + "end\n";
}

// A journal cut short was never complete, so its switch never began.
std::optional<Journal> ReadJournal(const fs::path& path) {
  std::ifstream in(path);
  Journal journal;
  std::string line;
  bool ended = false;
  while (std::getline(in, line)) {
    const std::vector<std::string> fields = SplitAtTabs(line);
    if (fields[0] == "end") ended = true;
    if (fields[0] == "staging" && fields.size() == 2) journal.staging = fields[1];
    if (fields[0] == "keep" && fields.size() == 3) journal.kept.emplace_back(fields[1], fields[2]);
    if (fields[0] == "move" && fields.size() == 3) journal.moves.emplace_back(fields[1], fields[2]);
  }
  if (!ended || journal.staging.find('/') != std::string::npos) return std::nullopt;
  return journal;
}

void WriteJournal(const fs::path& folder, const Journal& journal) {
  const fs::path partial = folder / (std::string(kJournalName) + ".partial");
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << JournalText(journal);
    out.flush();
    if (!out)
      throw InputError(WithReason("Couldn't write " + std::string(kJournalName) + ".", errno));
  }
  SyncPath(partial);
  std::error_code error;
  fs::rename(partial, folder / kJournalName, error);
  if (error)
    throw InputError("Couldn't write " + std::string(kJournalName) + ".\n" + error.message());
  SyncPath(folder);
}

// A test can have the process killed after this many renames of a switch, to see it recovered.
long RenamesBeforeKill() {
  const char* value = std::getenv("KELVARO_TEST_KILL_AFTER_RENAMES");
  return value == nullptr ? -1 : std::strtol(value, nullptr, 10);
}

// Carries out a journal's switch; a rename already made is passed over, so it may run again.
void Switch(const fs::path& folder, const Journal& journal) {
  const fs::path staging = folder / journal.staging;
  const long kill_after = RenamesBeforeKill();
  long renames = 0;
  std::error_code error;
  for (const auto& [name, kept] : journal.kept) {
    if (ExistsAsEntry(folder / name) && !ExistsAsEntry(folder / kept)) {
      fs::rename(folder / name, folder / kept, error);
    }
  }
  for (const auto& [staged, target] : journal.moves) {
    if (!ExistsAsEntry(staging / staged)) continue;
    if (renames++ == kill_after) std::raise(SIGKILL);
    fs::rename(staging / staged, folder / target, error);
    if (error) {
      throw InputError("Couldn't write " + target + ".\n" + error.message() +
                       "\nThe run's other files are kept in " + staging.string() +
                       "; the next command in this folder puts them in place.");
    }
  }
  SyncPath(folder);
  fs::remove(folder / kJournalName, error);
  fs::remove_all(staging, error);
}

bool IsStagingFolder(const std::string& name) { return name.starts_with(kStagingPrefix); }

// ".SA00001C001.CSV.0123456789abcdef.partial", what a result file is written as before its rename.
bool IsUnfinishedFile(const std::string& name) {
  static const std::regex kPartial(R"(\..+\.[0-9a-f]{16}\.partial)");
  return std::regex_match(name, kPartial);
}

}  // namespace

FolderNames::FolderNames(const fs::path& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    names_.emplace(ToLowerAscii(name), name);
  }
}

std::optional<std::string> FolderNames::Find(const std::string& name) const {
  const auto [first, last] = names_.equal_range(ToLowerAscii(name));
  if (first == last) return std::nullopt;
  std::vector<std::string> found;
  for (auto it = first; it != last; ++it) found.push_back(it->second);
  if (found.size() > 1) {
    std::sort(found.begin(), found.end());
    throw CaseVariants(found[0] + " and " + found[1] +
                       " differ only in letter case, so either could be taken for the other; "
                       "remove or rename one of them.");
  }
  return found.front();
}

std::optional<std::string> NameInFolder(const fs::path& folder, const std::string& name) {
  return FolderNames(folder).Find(name);
}

StagedRun::StagedRun(const fs::path& folder)
    : folder_(folder), staging_(FreshStagingFolder(folder)) {}

StagedRun::~StagedRun() {
  if (committed_) return;
  std::error_code ignored;
  fs::remove_all(staging_, ignored);
}

void StagedRun::Bring(const std::string& name) {
  const auto found = NameInFolder(folder_, name);
  if (!found) return;
  std::error_code error;
  fs::copy_file(folder_ / *found, staging_ / *found, error);
  if (error) throw InputError("Couldn't read " + *found + ".\n" + error.message());
  brought_.push_back(*found);
}

std::vector<std::string> StagedRun::Written() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(staging_, error)) {
    const std::string name = entry.path().filename().string();
    if (std::find(brought_.begin(), brought_.end(), name) == brought_.end()) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void StagedRun::Commit(const std::vector<KeptFile>& kept) {
  Journal journal{staging_.filename().string(), kept, {}};
  const FolderNames names(folder_);
  for (const std::string& name : Written()) {
    const std::string target = names.Find(name).value_or(name);
    CheckReplaceable(folder_ / target);
    journal.moves.emplace_back(name, target);
  }
  SyncPath(staging_, /*whole_file_system=*/true);
  WriteJournal(folder_, journal);
  committed_ = true;
  Switch(folder_, journal);
}

std::vector<std::string> RecoverFolder(const fs::path& folder) {
  std::vector<std::string> notes;
  std::error_code error;
  if (const auto journal = ReadJournal(folder / kJournalName)) {
    Switch(folder, *journal);
    notes.push_back("Finished putting in place the " + std::to_string(journal->moves.size()) +
                    " result files of a run that was interrupted while it did so.");
  }
  fs::remove(folder / kJournalName, error);
  fs::remove(folder / (std::string(kJournalName) + ".partial"), error);
  int staging = 0;
  int unfinished = 0;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (IsStagingFolder(name)) {
      fs::remove_all(entry.path(), error);
      ++staging;
    } else if (IsUnfinishedFile(name)) {
      fs::remove(entry.path(), error);
      ++unfinished;
    }
  }
  if (staging > 0) {
    notes.push_back("Removed the unfinished files of " + std::to_string(staging) +
                    " interrupted run" + (staging == 1 ? "" : "s") +
                    "; the results of the run before are in place.");
  }
  if (unfinished > 0) {
    notes.push_back("Removed " + std::to_string(unfinished) + " unfinished file" +
                    (unfinished == 1 ? "" : "s") + " of an interrupted command.");
  }
  return notes;
}

}  // namespace kelvaro
