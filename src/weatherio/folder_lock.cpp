#include "weatherio/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

std::string HolderOf(const fs::path& path) {
  std::ifstream in(path);
  std::string command;
  std::string pid;
  std::getline(in, command);
  std::getline(in, pid);
  if (command.empty()) return "another KELVARO command";
  return "'" + command + "'" + (pid.empty() ? "" : " (process " + pid + ")");
}

// The lock holds only while the name still leads to the file locked: a holder that released it
// may have removed the file between our open and our flock.
bool StillNamed(int descriptor, const fs::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FolderLock::FolderLock(const fs::path& folder, const std::string& command, bool wait)
    : path_(folder / kFolderLockName) {
  for (;;) {
    descriptor_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor_ < 0) {
      throw InputError("Couldn't lock the folder " + fs::absolute(folder).string() + ".\n" +
                       std::strerror(errno));
    }
    if (::flock(descriptor_, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
      const std::string holder = HolderOf(path_);
      ::close(descriptor_);
      descriptor_ = -1;
      throw FolderBusy("The folder " + fs::absolute(folder).lexically_normal().string() +
                       " is being written by " + holder + "; wait for it to end, then try again.");
    }
    if (StillNamed(descriptor_, path_)) break;
    ::close(descriptor_);
  }
  const std::string text = command + "\n" + std::to_string(::getpid()) + "\n";
  if (::ftruncate(descriptor_, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::write(descriptor_, text.data(), text.size());
  }
}

FolderLock::~FolderLock() {
  if (descriptor_ < 0) return;
  ::unlink(path_.c_str());
  ::close(descriptor_);
}

}  // namespace kelvaro
