#include "weatherio/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "weatherio/errors.h"

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

constexpr size_t kFlushBytes = 1 << 20;
constexpr int kMaxLinkDepth = 40;

std::string CouldNotWrite(const std::string& name) { return "Couldn't write " + name + "."; }

// The message with the system's reason on a second line ("No space left on device").
std::string CouldNotWrite(const std::string& name, int error_number) {
  if (error_number == 0) return CouldNotWrite(name);
  return CouldNotWrite(name) + "\n" + std::strerror(error_number);
}

fs::path FolderOf(const fs::path& path) {
  std::error_code error;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return fs::weakly_canonical(fs::absolute(folder, error), error);
}

// Where a chain of links ends, resolved; a link that points nowhere ends at the name it gives.
fs::path LinkTarget(const fs::path& link) {
  std::error_code error;
  fs::path current = fs::absolute(link, error);
  for (int depth = 0; depth < kMaxLinkDepth && fs::is_symlink(fs::symlink_status(current, error));
       ++depth) {
    const fs::path next = fs::read_symlink(current, error);
    if (error) break;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return fs::weakly_canonical(current, error);
}

bool IsInside(const fs::path& target, const fs::path& folder) {
  const fs::path relative = target.lexically_relative(folder);
  return !relative.empty() && relative != "." && *relative.begin() != "..";
}

// The user's own refusal to have the file changed: no write permission for anyone, or none for
// us. (Permission bits are read as well because the superuser may write any file.)
bool IsReadOnly(const fs::path& path) {
  std::error_code error;
  const fs::perms perms = fs::status(path, error).permissions();
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (perms & kWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

// A fresh file beside `name` that nobody can have prepared: an unpredictable name, created
// exclusively, so an existing file or link of that name is never opened.
int CreateExclusively(const fs::path& folder, const std::string& name, fs::path& created) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%08x%08x", random(), random());
    const fs::path candidate = folder / ("." + name + "." + suffix + ".partial");
    const int descriptor =
        ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
      created = candidate;
      return descriptor;
    }
    if (errno != EEXIST) throw InputError(CouldNotWrite(name, errno));
  }
  throw InputError(CouldNotWrite(name));
}

bool WriteAll(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Both names stay, each now naming the other's file; false where the system cannot do that (and
// nothing changed).
bool SwapNames(const fs::path& first, const fs::path& second) {
  return ::renameat2(AT_FDCWD, first.c_str(), AT_FDCWD, second.c_str(), RENAME_EXCHANGE) == 0;
}

void Rename(const fs::path& from, const fs::path& to, const std::string& name) {
  std::error_code error;
  fs::rename(from, to, error);
  if (error) throw InputError(CouldNotWrite(name, error.value()));
}

}  // namespace

fs::path CheckedDestination(const fs::path& path) {
  const std::string name = path.filename().string();
  std::error_code error;
  const fs::file_status link_status = fs::symlink_status(path, error);
  if (!fs::exists(link_status)) return path;
  fs::path destination = path;
  if (fs::is_symlink(link_status)) {
    destination = LinkTarget(path);
    if (!IsInside(destination, FolderOf(path))) {
      throw InputError(name + " is a link to " + destination.string() +
                       ", outside the data folder; it is not written through.");
    }
    if (!fs::exists(fs::symlink_status(destination, error))) return destination;
  }
  if (!fs::is_regular_file(fs::status(destination, error))) {
    throw InputError(name + " is not a regular file and is left as it is.");
  }
  if (IsReadOnly(destination)) throw InputError(name + " is read-only and is left as it is.");
  return destination;
}

OutputFile::OutputFile(const fs::path& path)
    : requested_(path), destination_(CheckedDestination(path)), name_(path.filename().string()) {
  descriptor_ =
      CreateExclusively(destination_.parent_path(), destination_.filename().string(), temporary_);
}

OutputFile::~OutputFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!committed_) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
  }
}

// Text is gathered and written in blocks of about kFlushBytes, so a file of many short rows
// costs few system calls and holds at most one block in memory.
void OutputFile::Write(std::string_view text) {
  if (pending_.size() + text.size() > kFlushBytes) Flush();
  if (text.size() >= kFlushBytes) {
    WriteOut(text);
    return;
  }
  // One block of one size for every file, so the blocks of files written one after another
  // reuse the same memory.
  if (pending_.capacity() < kFlushBytes) pending_.reserve(kFlushBytes);
  pending_.append(text);
}

void OutputFile::WriteOut(std::string_view text) {
  if (descriptor_ < 0 || !WriteAll(descriptor_, text)) {
    if (!failed_) error_number_ = errno;
    failed_ = true;
  }
}

void OutputFile::Flush() {
  WriteOut(pending_);
  pending_.clear();
}

void OutputFile::Finish() {
  if (descriptor_ < 0) {
    if (failed_ || !pending_.empty()) throw InputError(CouldNotWrite(name_));
    return;
  }
  Flush();
  std::string().swap(pending_);  // a finished file waiting for its commit holds no buffer
  if (::close(descriptor_) != 0 && !failed_) {
    error_number_ = errno;
    failed_ = true;
  }
  descriptor_ = -1;
  if (failed_) throw InputError(CouldNotWrite(name_, error_number_));
}

void OutputFile::Commit() {
  Finish();
  destination_ = CheckedDestination(requested_);
  Rename(temporary_, destination_, name_);
  committed_ = true;
}

// The old result, if any, is kept under a fresh name of its own until the whole set is in place.
// Where the file system can swap two names at once, the old result simply takes the temporary
// file's name, which spares making (and later freeing) one more file per result.
void OutputFile::Replace() {
  std::error_code error;
  if (fs::exists(fs::symlink_status(destination_, error))) {
    if (SwapNames(temporary_, destination_)) {
      backup_ = temporary_;
      committed_ = true;
      return;
    }
    ::close(
        CreateExclusively(destination_.parent_path(), destination_.filename().string(), backup_));
    Rename(destination_, backup_, name_);
  }
  try {
    Rename(temporary_, destination_, name_);
  } catch (const InputError&) {
    Restore();
    throw;
  }
  committed_ = true;
}

void OutputFile::Restore() noexcept {
  std::error_code ignored;
  if (!backup_.empty()) {
    fs::rename(backup_, destination_, ignored);
    backup_.clear();
  } else if (committed_) {
    fs::remove(destination_, ignored);
  }
  committed_ = false;
}

void OutputFile::DropBackup() noexcept {
  std::error_code ignored;
  if (!backup_.empty()) fs::remove(backup_, ignored);
  backup_.clear();
}

void CommitTogether(const std::vector<OutputFile*>& files) {
  for (OutputFile* file : files) file->Finish();
  for (OutputFile* file : files) file->destination_ = CheckedDestination(file->requested_);
  size_t replaced = 0;
  try {
    for (; replaced < files.size(); ++replaced) files[replaced]->Replace();
  } catch (...) {
    while (replaced > 0) files[--replaced]->Restore();
    throw;
  }
  for (OutputFile* file : files) file->DropBackup();
}

OutputFile& OutputFileSet::Add(const fs::path& path) {
  files_.push_back(std::make_unique<OutputFile>(path));
  return *files_.back();
}

void OutputFileSet::Append(OutputFileSet&& other) {
  for (auto& file : other.files_) files_.push_back(std::move(file));
  other.files_.clear();
}

void OutputFileSet::CommitAll() {
  std::vector<OutputFile*> files;
  files.reserve(files_.size());
  for (const auto& file : files_) files.push_back(file.get());
  CommitTogether(files);
}

void AppendToFile(const fs::path& path, std::string_view text) {
  const std::string name = path.filename().string();
  const fs::path destination = CheckedDestination(path);
  const int descriptor =
      ::open(destination.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (descriptor < 0) throw InputError(CouldNotWrite(name, errno));
  const bool written = WriteAll(descriptor, text);
  const int write_error = written ? 0 : errno;
  if (::close(descriptor) != 0 && written) throw InputError(CouldNotWrite(name, errno));
  if (!written) throw InputError(CouldNotWrite(name, write_error));
}

void WriteWholeFile(const fs::path& path, std::string_view text) {
  OutputFile file(path);
  file.Write(text);
  file.Commit();
}

}  // namespace kelvaro
