#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

// A file's size and the SHA-256 of its bytes (64 hexadecimal digits), by which a run record
// knows the files of its run again.
struct FileFingerprint {
  std::uintmax_t size = 0;
  std::string sha256;

  bool operator==(const FileFingerprint&) const = default;
};

// Nothing when the file cannot be read.
std::optional<FileFingerprint> FingerprintOf(const std::filesystem::path& path);

}  // namespace kelvaro
