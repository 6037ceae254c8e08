#pragma once

#include <string>

namespace kelvaro::testing {

// Where `actual` first departs from `expected`: the line's number and both lines, or nothing
// when they are the same bytes.
std::string FirstDifferingLine(const std::string& expected, const std::string& actual);

// Compares bytes with a file under tests/golden/ and names the first line that differs. With
// KELVARO_WRITE_GOLDEN=1 in the environment a missing golden file is written instead, to be
// reviewed by hand before commit.
void ExpectMatchesGolden(const std::string& actual, const std::string& golden_relative_path);

}  // namespace kelvaro::testing
