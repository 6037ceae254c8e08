#pragma once

#include <string>

namespace kelvaro::testing {

// Compares bytes with a file under tests/golden/. With KELVARO_WRITE_GOLDEN=1 in the
// environment a missing golden file is written instead, to be reviewed by hand before commit.
void ExpectMatchesGolden(const std::string& actual, const std::string& golden_relative_path);

}  // namespace kelvaro::testing
