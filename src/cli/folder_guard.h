#pragma once

#include <filesystem>
#include <string>

#include "weatherio/folder_lock.h"

namespace kelvaro::cli {

// A command that writes in a data folder holds its lock while it does, after putting right what
// an interrupted command left there (each fix said in one line on stderr). Another command
// holding the folder refuses this one, naming it.
class FolderGuard {
 public:
  FolderGuard(const std::filesystem::path& dir, const std::string& command);

 private:
  FolderLock lock_;
};

}  // namespace kelvaro::cli
