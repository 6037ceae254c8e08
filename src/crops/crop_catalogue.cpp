#include "crops/crop_catalogue.h"

#include <array>
#include <cctype>

#include "weatherio/letter_case.h"

namespace kelvaro {
namespace {

// List order is the order of the crop list. The written names, the duplicate crop numbers and
// the rooting depths with fractions (700.024, 1700.022 ...) are stored as they have always been
// written to crop files.
// clang-format off
// list item, crop number, crop name, percent of season to B, C, D, Kc1, Kc2, Kc3,
// planting month, day, ending month, day, default rooting depth (mm)
constexpr std::array<CropDefaults, kCatalogueSize> kCatalogue{{
    {"Alfalfa(Annual)", 2.01f, "Alfalfa(annual)", 25, 50, 75, 1.0f, 1.0f, 1.0f, 1, 1, 12, 31, 2000.0f},
    {"Alfalfa(Cycle)", 1.01f, "Alfalfa(cycle)", 7, 30, 100, 0.4f, 1.15f, 0.4f, 6, 20, 7, 20, 2000.0f},
    {"Alfalfa(seed)", 1.49f, "Alfalfa(seed)", 25, 50, 75, 0.4f, 1.0f, 0.5f, 1, 1, 12, 31, 2000.0f},
    {"Artichokes", 1.02f, "Artichokes", 6, 19, 90, 0.65f, 0.65f, 0.65f, 7, 1, 5, 1, 1000.0f},
    {"Asparagus", 1.03f, "Asparagus", 12, 25, 95, 0.25f, 1.0f, 0.25f, 1, 1, 12, 31, 1000.0f},
    {"Barley", 1.04f, "Barely", 20, 45, 75, 0.7f, 1.1f, 0.15f, 11, 1, 5, 31, 1500.0f},
    {"Beans(dry)", 1.06f, "Beans (dry)", 24, 40, 91, 0.2f, 1.0f, 0.1f, 6, 15, 9, 30, 700.024f},
    {"Beans(green)", 1.07f, "Beans (green)", 22, 56, 89, 0.8f, 1.0f, 0.85f, 3, 1, 5, 31, 700.024f},
    {"Beans(pinto)", 1.05f, "Beans (pinto)", 24, 40, 91, 0.2f, 0.9f, 0.1f, 6, 15, 9, 30, 700.024f},
    {"Beets(table)", 1.08f, "Beets (table)", 25, 60, 90, 0.3f, 0.9f, 0.9f, 4, 1, 6, 20, 1000.0f},
    {"Broccoli", 1.09f, "Broccoli", 20, 50, 83, 0.3f, 1.0f, 0.8f, 3, 15, 7, 1, 500.0f},
    {"Cabbage", 1.1f, "Cabbage", 25, 63, 88, 0.3f, 1.0f, 0.85f, 8, 1, 11, 15, 500.0f},
    {"Carrots", 1.11f, "Carrots", 20, 50, 83, 0.85f, 0.95f, 0.8f, 1, 15, 5, 15, 1000.0f},
    {"Celery", 1.12f, "Celery", 15, 40, 90, 0.8f, 0.95f, 0.95f, 9, 15, 1, 15, 500.0f},
    {"Corn(grain)", 1.13f, "Corn (grain)", 20, 45, 75, 0.2f, 1.05f, 0.6f, 5, 1, 9, 30, 1700.022f},
    {"Corn(silage)", 1.14f, "Corn (silage)", 20, 45, 100, 0.2f, 1.0f, 1.0f, 5, 1, 8, 15, 1700.023f},
    {"Corn(sweet)", 1.49f, "Corn (sweet)", 20, 45, 90, 0.2f, 1.0f, 0.95f, 5, 1, 10, 15, 1700.023f},
    {"Cotton", 1.15f, "Cotton", 15, 25, 85, 0.35f, 0.95f, 0.5f, 5, 15, 10, 15, 1700.023f},
    {"Cucumber", 1.16f, "Cucumber", 19, 47, 85, 0.8f, 0.85f, 0.85f, 3, 15, 6, 15, 1200.0f},
    {"Eggplant", 1.17f, "Eggplant", 23, 54, 85, 0.8f, 0.9f, 0.85f, 4, 1, 11, 15, 600.0f},
    {"Flax", 1.18f, "Flax", 17, 45, 80, 0.2f, 1.1f, 0.25f, 4, 1, 7, 31, 1000.0f},
    {"Grains(small)", 1.19f, "Grains (small)", 20, 45, 75, 0.33f, 1.1f, 0.15f, 11, 1, 5, 31, 1500.0f},
    {"Grains(winter)", 1.2f, "Grains (winter)", 20, 45, 75, 0.33f, 1.05f, 0.15f, 11, 1, 5, 31, 2000.0f},
    {"Improved Pasture", 2.02f, "Improved Pasture", 25, 50, 75, 0.95f, 0.95f, 0.95f, 1, 1, 12, 31, 1500.0f},
    {"Lentil", 1.21f, "Lentil", 24, 40, 91, 0.2f, 1.0f, 0.1f, 6, 15, 9, 30, 700.024f},
    {"Lettuce", 1.22f, "Lettuce", 25, 65, 90, 0.8f, 0.8f, 0.8f, 3, 15, 7, 15, 500.0f},
    {"melon", 1.23f, "Melon", 21, 50, 83, 0.8f, 0.95f, 0.75f, 4, 1, 11, 15, 1500.0f},
    {"Millet", 1.24f, "Millet", 14, 36, 75, 0.3f, 1.0f, 0.3f, 11, 1, 5, 31, 2000.0f},
    {"Mustard", 1.25f, "Mustard", 25, 63, 88, 0.3f, 1.0f, 0.85f, 8, 1, 11, 15, 500.0f},
    {"Oats", 1.26f, "Oats", 20, 45, 75, 0.33f, 1.1f, 0.15f, 11, 1, 5, 31, 2000.0f},
    {"Onion (dry)", 1.27f, "Onion (dry)", 10, 26, 75, 0.8f, 1.0f, 0.75f, 3, 1, 10, 1, 500.0f},
    {"Onion (green)", 1.28f, "Onion (green)", 25, 70, 90, 0.8f, 1.0f, 0.9f, 3, 1, 8, 1, 500.0f},
    {"Peas", 1.29f, "Peas", 20, 47, 83, 0.2f, 1.0f, 1.0f, 3, 1, 5, 31, 1000.0f},
    {"Peppers", 1.3f, "Peppers", 20, 45, 85, 0.8f, 1.0f, 0.85f, 3, 1, 8, 31, 1000.0f},
    {"Potato", 1.31f, "Potato", 20, 45, 78, 0.8f, 1.1f, 0.7f, 4, 15, 8, 15, 600.0f},
    {"Radishes", 1.32f, "Radishes", 20, 45, 85, 0.8f, 0.85f, 0.75f, 4, 1, 5, 1, 500.0f},
    {"Rice", 1.33f, "Rice", 1, 30, 80, 1.4f, 1.03f, 0.8f, 5, 15, 9, 30, 1000.0f},
    {"Safflower", 1.34f, "Safflower", 17, 45, 80, 0.2f, 1.05f, 0.25f, 4, 1, 7, 31, 2000.0f},
    {"Sisal", 1.35f, "Sisal", 17, 45, 80, 0.2f, 1.05f, 0.25f, 4, 1, 7, 31, 1000.0f},
    {"Sorghum", 1.36f, "Sorghum", 16, 42, 75, 0.2f, 1.05f, 0.5f, 4, 1, 11, 15, 2000.0f},
    {"Spinach", 1.37f, "Spinach", 33, 67, 92, 0.8f, 0.95f, 0.9f, 11, 15, 1, 31, 500.0f},
    {"Squash", 1.38f, "Squash", 20, 50, 80, 0.52f, 0.9f, 0.7f, 1, 15, 4, 15, 300.0f},
    {"Strawberries", 1.39f, "Strawberries w/mulch", 15, 45, 80, 0.2f, 0.7f, 0.7f, 5, 1, 9, 30, 300.0f},
    {"Sudan grass", 1.41f, "Sudan grass", 15, 45, 80, 0.2f, 1.05f, 0.9f, 3, 15, 9, 30, 1200.0f},
    {"Sugarbeet", 1.4f, "Sugarbeet", 15, 45, 80, 0.2f, 1.15f, 0.95f, 3, 15, 9, 30, 1200.0f},
    {"Sunflower", 1.41f, "Sunflower", 20, 45, 80, 0.2f, 1.1f, 0.4f, 5, 1, 9, 10, 1500.0f},
    {"Sweet potatos", 1.42f, "Sweet Potatos", 20, 45, 78, 0.8f, 1.1f, 0.7f, 4, 15, 8, 15, 1500.0f},
    {"Tomato", 1.43f, "Tomato", 25, 50, 80, 0.3f, 1.1f, 0.65f, 4, 1, 8, 31, 1500.0f},
    {"Turfgrass (cool-season)", 2.03f, "Turfgrass (cool-season)", 25, 50, 75, 0.8f, 0.8f, 0.8f, 1, 1, 12, 31, 400.0f},
    {"Turfgrass (warm-season)", 2.04f, "Turfgrass (warm-season)", 25, 50, 75, 0.6f, 0.6f, 0.6f, 1, 1, 12, 31, 1000.0f},
    {"Vegetables", 1.44f, "Vegetables", 33, 67, 92, 0.8f, 0.9f, 0.9f, 3, 1, 8, 31, 600.0f},
    {"Watermelon", 1.46f, "Watermelon", 20, 50, 75, 0.8f, 1.0f, 0.75f, 4, 1, 11, 15, 1500.0f},
    {"Wheat", 1.45f, "Wheat", 20, 45, 75, 0.33f, 1.1f, 0.15f, 11, 1, 5, 31, 1500.0f},
    {"Almonds", 3.01f, "Almonds", 0, 50, 90, 0.55f, 1.05f, 0.65f, 3, 1, 10, 15, 2000.0f},
    {"Apple", 3.02f, "Apple", 0, 50, 75, 0.55f, 1.05f, 0.8f, 4, 1, 11, 15, 2000.0f},
    {"Avacado", 4.01f, "Avocado", 0, 33, 67, 0.7f, 0.7f, 0.7f, 1, 1, 12, 31, 400.0f},
    {"Citrus", 4.02f, "Citrus", 0, 33, 67, 1.3f, 1.0f, 1.3f, 1, 1, 12, 31, 1500.0f},
    {"Citrus (desert)", 4.03f, "Citrus (desert)", 0, 33, 67, 1.1f, 0.9f, 1.1f, 1, 1, 12, 31, 1500.0f},
    {"Date Palm", 4.04f, "Date palm", 0, 33, 67, 0.95f, 0.95f, 0.95f, 1, 1, 12, 31, 2500.0f},
    {"Evergreen", 4.05f, "Evergreen", 0, 33, 67, 1.15f, 1.15f, 1.15f, 1, 1, 12, 31, 1000.0f},
    {"Grapevines", 3.03f, "Grapevines", 0, 25, 75, 0.45f, 0.8f, 0.35f, 4, 1, 11, 1, 2000.0f},
    {"Kiwifruit", 3.04f, "Kiwifruit", 0, 22, 67, 0.3f, 1.05f, 1.0f, 5, 1, 10, 31, 3000.0f},
    {"Olives", 4.06f, "Olives", 0, 33, 67, 0.8f, 0.8f, 0.8f, 1, 1, 12, 31, 1700.024f},
    {"stone fruits", 3.05f, "Stone fruits", 0, 50, 90, 0.55f, 1.05f, 0.65f, 3, 1, 10, 15, 2000.0f},
    {"Walnuts", 3.06f, "Walnuts", 0, 50, 75, 0.55f, 1.05f, 0.8f, 4, 1, 11, 15, 2000.0f},
}};
// clang-format on

}  // namespace

std::span<const CropDefaults> CropCatalogue() { return kCatalogue; }

std::string_view CropListItem(int index) {
  if (index == kCatalogueSize) return kBlankCropItem;
  return kCatalogue.at(static_cast<size_t>(index)).list_item;
}

std::optional<int> FindCropByListItem(std::string_view name) {
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (EqualsIgnoringCase(kCatalogue[static_cast<size_t>(i)].list_item, name)) return i;
  }
  return std::nullopt;
}

int CropClass(float crop_no) {
  if (crop_no < 1.0f) return 0;  // no class; also keeps the conversion below in range
  if (crop_no <= 3.0f) return static_cast<int>(crop_no);
  if (crop_no < 4.0f) return 3;
  return 4;
}

float SoilAvailableWater(std::string_view soil_letter) {
  if (soil_letter.empty()) return 0.125f;
  if (soil_letter.size() != 1) return 0.0f;
  switch (std::toupper(static_cast<unsigned char>(soil_letter.front()))) {
    case 'L':
      return 0.075f;
    case 'M':
      return 0.125f;
    case 'H':
      return 0.175f;
    default:
      return 0.0f;
  }
}

}  // namespace kelvaro
