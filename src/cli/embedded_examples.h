#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kelvaro {

// One bundled example file, carried inside the program.
struct EmbeddedFile {
  const char* name;
  const char* bytes;
  std::size_t size;

  std::string_view content() const { return {bytes, size}; }
};

// The example station files and study area that `kelvaro-cli demo` runs.
const std::vector<EmbeddedFile>& EmbeddedExamples();

}  // namespace kelvaro
