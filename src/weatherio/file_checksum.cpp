#include "weatherio/file_checksum.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>

namespace kelvaro {

std::optional<FileFingerprint> FingerprintOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                        &EVP_MD_CTX_free);
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return std::nullopt;
  FileFingerprint fingerprint;
  std::array<char, 1 << 16> block{};
  while (in) {
    in.read(block.data(), block.size());
    const auto count = static_cast<size_t>(in.gcount());
    if (count == 0) break;
    EVP_DigestUpdate(context.get(), block.data(), count);
    fingerprint.size += count;
  }
  if (in.bad()) return std::nullopt;
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) return std::nullopt;
  static constexpr char kHex[] = "0123456789abcdef";
  for (unsigned int i = 0; i < length; ++i) {
    fingerprint.sha256 += kHex[digest[i] >> 4];
    fingerprint.sha256 += kHex[digest[i] & 15];
  }
  return fingerprint;
}

}  // namespace kelvaro
