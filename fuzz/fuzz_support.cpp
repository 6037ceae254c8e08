#include "fuzz_support.h"

#include <unistd.h>

#include <fstream>

namespace kelvaro::fuzz {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("kelvaro-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

void ClearFolder() {
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
    std::filesystem::remove_all(entry.path());
  }
}

std::filesystem::path WriteInput(const std::string& name, std::string_view contents) {
  const auto path = Folder() / name;
  std::ofstream(path, std::ios::binary)
      .write(contents.data(), static_cast<std::streamsize>(contents.size()));
  return path;
}

}  // namespace kelvaro::fuzz
