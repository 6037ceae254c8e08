#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro::fuzz {

// The fuzzer's bytes as text.
inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// One folder for the whole fuzzing process.
const std::filesystem::path& Folder();
// Empties it; each input starts with this, so no run sees another's files.
void ClearFolder();

// Writes `contents` as `name` in the folder and returns its path.
std::filesystem::path WriteInput(const std::string& name, std::string_view contents);

// Runs `body`; the program's own refusals (ConversionError, InvariantError, InputError) are
// expected outcomes of bad input. Any other exception escapes and the fuzzer reports it.
template <typename Body>
void RefusalsAreFine(Body&& body);

}  // namespace kelvaro::fuzz

#include "weatherio/errors.h"

template <typename Body>
void kelvaro::fuzz::RefusalsAreFine(Body&& body) {
  try {
    body();
  } catch (const ConversionError&) {
  } catch (const InvariantError&) {
  } catch (const InputError&) {
  }
}
