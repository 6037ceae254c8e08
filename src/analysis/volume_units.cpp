#include "analysis/volume_units.h"

namespace kelvaro {

std::optional<VolumeUnit> ParseVolumeUnit(std::string_view text) {
  if (text == "mm") return VolumeUnit::kMillimetres;
  if (text == "m3") return VolumeUnit::kCubicMetres;
  if (text == "acre-ft") return VolumeUnit::kAcreFeet;
  return std::nullopt;
}

const char* VolumeUnitText(VolumeUnit unit) {
  switch (unit) {
    case VolumeUnit::kMillimetres:
      return "mm";
    case VolumeUnit::kCubicMetres:
      return "m3";
    case VolumeUnit::kAcreFeet:
      return "acre-ft";
  }
  return "";
}

double CubicMetres(double depth_mm, double area_ha) {
  return depth_mm * area_ha * kCubicMetresPerMmHectare;
}

double InVolumeUnit(double cubic_metres, double area_ha, VolumeUnit unit) {
  switch (unit) {
    case VolumeUnit::kMillimetres:
      return area_ha > 0.0 ? cubic_metres / (area_ha * kCubicMetresPerMmHectare) : 0.0;
    case VolumeUnit::kCubicMetres:
      return cubic_metres;
    case VolumeUnit::kAcreFeet:
      return cubic_metres / kCubicMetresPerAcreFoot;
  }
  return cubic_metres;
}

}  // namespace kelvaro
