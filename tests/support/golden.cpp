#include "support/golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/test_folder.h"

namespace kelvaro::testing {

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
  EXPECT_EQ(actual, ReadBytes(path)) << "differs from " << path;
}

}  // namespace kelvaro::testing
