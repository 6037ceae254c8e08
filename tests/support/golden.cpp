#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/test_folder.h"

namespace kelvaro::testing {
namespace {

// The line from `begin` to its line end (excluded), with line-end and other control characters
// spelled out so that a stray '\r' shows.
std::string VisibleLine(const std::string& text, size_t begin) {
  if (begin >= text.size()) return "(end of file)";
  const size_t end = std::min(text.find('\n', begin), text.size());
  std::string line = "'";
  for (size_t i = begin; i < end; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      line += "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      line += code;
    } else {
      line += static_cast<char>(c);
    }
  }
  return line + (end < text.size() ? "'" : "' (no line end)");
}

}  // namespace

std::string FirstDifferingLine(const std::string& expected, const std::string& actual) {
  if (expected == actual) return "";
  const size_t common = static_cast<size_t>(
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
      expected.begin());
  const size_t line_begin = common == 0 ? 0 : expected.rfind('\n', common - 1) + 1;
  const auto line_number = std::count(expected.begin(), expected.begin() + line_begin, '\n') + 1;
  return "first difference in line " + std::to_string(line_number) +
         "\n  expected: " + VisibleLine(expected, line_begin) +
         "\n  actual:   " + VisibleLine(actual, line_begin);
}

void ExpectMatchesGolden(const std::string& actual, const std::string& golden_relative_path) {
  const auto path = GoldenPath(golden_relative_path);
  if (!std::filesystem::exists(path)) {
    const char* write = std::getenv("KELVARO_WRITE_GOLDEN");
    if (write != nullptr && std::string(write) == "1") {
      std::filesystem::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << actual;
      ADD_FAILURE() << "wrote new golden file " << path << "; review it by hand";
      return;
    }
    ADD_FAILURE() << "missing golden file " << path;
    return;
  }
  const std::string difference = FirstDifferingLine(ReadBytes(path), actual);
  EXPECT_TRUE(difference.empty()) << "differs from " << path.string() << ", " << difference;
}

}  // namespace kelvaro::testing
