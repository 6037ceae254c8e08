#include "crops/crop_catalogue.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

const CropDefaults& Crop(std::string_view list_item) {
  const auto index = FindCropByListItem(list_item);
  EXPECT_TRUE(index.has_value()) << list_item;
  return CropCatalogue()[static_cast<size_t>(index.value_or(0))];
}

TEST(CropCatalogue, ListHoldsSixtyFiveCropsAndABlankItem) {
  EXPECT_EQ(CropCatalogue().size(), 65u);
  EXPECT_EQ(CropListItem(0), "Alfalfa(Annual)");
  EXPECT_EQ(CropListItem(64), "Walnuts");
  EXPECT_EQ(CropListItem(65), " ");
}

TEST(CropCatalogue, SpotChecksAcrossTheFourClasses) {
  const CropDefaults& rice = Crop("Rice");
  EXPECT_FLOAT_EQ(rice.crop_no, 1.33f);
  EXPECT_EQ(rice.a_to_b, 1);
  EXPECT_FLOAT_EQ(rice.kc_ab, 1.4f);
  EXPECT_EQ(rice.plant_month, 5);
  EXPECT_EQ(rice.plant_day, 15);

  const CropDefaults& pasture = Crop("Improved Pasture");
  EXPECT_EQ(CropClass(pasture.crop_no), 2);
  EXPECT_FLOAT_EQ(pasture.kc_cd, 0.95f);

  const CropDefaults& kiwi = Crop("Kiwifruit");
  EXPECT_EQ(CropClass(kiwi.crop_no), 3);
  EXPECT_EQ(kiwi.a_to_c, 22);
  EXPECT_FLOAT_EQ(kiwi.def_rooting_depth_mm, 3000.0f);
  EXPECT_EQ(kiwi.ending_month, 10);
  EXPECT_EQ(kiwi.ending_day, 31);

  const CropDefaults& date_palm = Crop("Date Palm");
  EXPECT_EQ(CropClass(date_palm.crop_no), 4);
  EXPECT_EQ(date_palm.crop_name, "Date palm");
  EXPECT_FLOAT_EQ(date_palm.def_rooting_depth_mm, 2500.0f);
}

TEST(CropCatalogue, WrittenNamesKeepTheirOldSpelling) {
  EXPECT_EQ(Crop("Barley").crop_name, "Barely");
  EXPECT_EQ(Crop("Avacado").crop_name, "Avocado");
  EXPECT_EQ(Crop("melon").crop_name, "Melon");
  EXPECT_EQ(Crop("Strawberries").crop_name, "Strawberries w/mulch");
  EXPECT_EQ(Crop("Sweet potatos").crop_name, "Sweet Potatos");
}

TEST(CropCatalogue, DuplicateCropNumbersAndFractionalRootingDepthsAreKept) {
  EXPECT_FLOAT_EQ(Crop("Alfalfa(seed)").crop_no, 1.49f);
  EXPECT_FLOAT_EQ(Crop("Corn(sweet)").crop_no, 1.49f);
  EXPECT_FLOAT_EQ(Crop("Sudan grass").crop_no, 1.41f);
  EXPECT_FLOAT_EQ(Crop("Sunflower").crop_no, 1.41f);
  EXPECT_FLOAT_EQ(Crop("Beans(dry)").def_rooting_depth_mm, 700.024f);
  EXPECT_FLOAT_EQ(Crop("Corn(grain)").def_rooting_depth_mm, 1700.022f);
  EXPECT_FLOAT_EQ(Crop("Cotton").def_rooting_depth_mm, 1700.023f);
  EXPECT_FLOAT_EQ(Crop("Olives").def_rooting_depth_mm, 1700.024f);
}

TEST(CropCatalogue, ListItemsAreFoundWithoutRegardToCase) {
  EXPECT_EQ(FindCropByListItem("corn(GRAIN)"), 14);
  EXPECT_EQ(FindCropByListItem("Melon"), 26);
  EXPECT_EQ(FindCropByListItem("Banana"), std::nullopt);
  EXPECT_EQ(FindCropByListItem(" "), std::nullopt);
}

TEST(SoilAvailableWater, LettersEitherCaseEmptyIsMediumOthersHoldNone) {
  EXPECT_FLOAT_EQ(SoilAvailableWater("L"), 0.075f);
  EXPECT_FLOAT_EQ(SoilAvailableWater("m"), 0.125f);
  EXPECT_FLOAT_EQ(SoilAvailableWater("h"), 0.175f);
  EXPECT_FLOAT_EQ(SoilAvailableWater(""), 0.125f);
  EXPECT_FLOAT_EQ(SoilAvailableWater("X"), 0.0f);
  EXPECT_FLOAT_EQ(SoilAvailableWater("MH"), 0.0f);
}

}  // namespace
}  // namespace kelvaro
