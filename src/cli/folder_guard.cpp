#include "cli/folder_guard.h"

#include <iostream>

#include "weatherio/staged_run.h"

namespace kelvaro::cli {

FolderGuard::FolderGuard(const std::filesystem::path& dir, const std::string& command)
    : lock_(dir, command) {
  for (const std::string& note : RecoverFolder(dir)) std::cerr << note << "\n";
}

}  // namespace kelvaro::cli
