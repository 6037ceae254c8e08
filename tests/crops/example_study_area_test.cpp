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

TEST(ExampleStudyArea, HoldsCropsOfEveryClassAndOption) {
  const auto rows = ReadStudyAreaCrops(kExamples, 1).value().rows;
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].CropClass(), 2);
  EXPECT_EQ(rows[1].name, "Tomato");
  EXPECT_EQ(rows[2].pre_irrigated, "Y");
  EXPECT_FLOAT_EQ(rows[2].available_water, 0.175f);

  const CropRow& almonds = rows[3];
  EXPECT_EQ(almonds.CropClass(), 3);
  EXPECT_EQ(almonds.ground_cover_pct, (std::array<int, 4>{0, 60, 75, 0}));
  EXPECT_EQ(almonds.cover_crop_doy, (std::array<int, 4>{1, 45, 319, 365}));
  EXPECT_FLOAT_EQ(almonds.ks, 0.7f);
  EXPECT_EQ(almonds.stress_begin_doy, 227);
  EXPECT_EQ(almonds.stress_end_doy, 273);

  const CropRow& citrus = rows[4];
  EXPECT_EQ(citrus.CropClass(), 4);
  EXPECT_EQ(citrus.ground_cover_pct, (std::array<int, 4>{50, 55, 60, 60}));
  EXPECT_FLOAT_EQ(citrus.plant_available_water_mm, 112.5f);
  EXPECT_FLOAT_EQ(citrus.yield_threshold_mm, 56.25f);

  EXPECT_EQ(rows[5].code, "SA00001C1.33121273MNHks1.0000IF30Y");
  EXPECT_FLOAT_EQ(rows[5].kc[0], 1.4f);
}

}  // namespace
}  // namespace kelvaro
