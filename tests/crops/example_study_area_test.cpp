#include <gtest/gtest.h>

#include <filesystem>

#include "crops/crop_file.h"
#include "crops/crop_row.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

const std::filesystem::path kExamples = KELVARO_EXAMPLES_DIR;

TEST(ExampleStudyArea, ReadsBackToTheSameRows) {
  const auto file = ReadStudyAreaCrops(kExamples, 1);
  ASSERT_TRUE(file.has_value());
  ASSERT_EQ(file->rows.size(), 6u);
  std::string rewritten = CropFileHeader();
  for (const CropRow& row : file->rows) rewritten += FormatCropRow(row);
  EXPECT_EQ(rewritten, testing::ReadBytes(kExamples / "SA00001.csv"));
}

TEST(ExampleStudyArea, HoldsCropsOfEveryClass) {
  const auto rows = ReadStudyAreaCrops(kExamples, 1).value().rows;
  std::vector<int> classes;
  for (const CropRow& row : rows) classes.push_back(row.CropClass());
  EXPECT_EQ(classes, (std::vector<int>{2, 1, 1, 3, 4, 1}));
  EXPECT_EQ(rows.at(3).cover_crop_doy, (std::array<int, 4>{1, 45, 319, 365}));
  EXPECT_EQ(rows.at(3).stress_end_doy, 273);
}

}  // namespace
}  // namespace kelvaro
