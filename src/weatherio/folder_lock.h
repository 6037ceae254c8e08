#pragma once

#include <filesystem>
#include <string>

#include "weatherio/errors.h"

namespace kelvaro {

// Another command is writing the folder; its message names the command and its process.
class FolderBusy : public FolderRefusal {
 public:
  using FolderRefusal::FolderRefusal;
};

// One command writes a data folder at a time. The lock is an exclusive flock on the file
// ".kelvaro.lock" in the folder, so it is released when the process ends however it ends, and
// works on a network file system too. The holder writes its command and process number into
// the file, and a command refused names them. The file is removed when the lock is released.
class FolderLock {
 public:
  // Throws FolderBusy when another command holds the folder, or with `wait`, waits for it.
  FolderLock(const std::filesystem::path& folder, const std::string& command, bool wait = false);
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

 private:
  std::filesystem::path path_;
  int descriptor_ = -1;
};

inline constexpr const char* kFolderLockName = ".kelvaro.lock";

}  // namespace kelvaro
