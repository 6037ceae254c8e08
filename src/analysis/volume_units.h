#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// How a study area's water is shown: as a depth over the planted area, or as a volume.
enum class VolumeUnit { kMillimetres, kCubicMetres, kAcreFeet };

inline constexpr double kCubicMetresPerMmHectare = 10.0;  // 1 mm over 10 000 m2
inline constexpr double kCubicMetresPerAcreFoot = 1233.48;

// "mm", "m3" or "acre-ft"; nothing for any other text.
std::optional<VolumeUnit> ParseVolumeUnit(std::string_view text);
const char* VolumeUnitText(VolumeUnit unit);

// A depth of water over an area, in cubic metres.
double CubicMetres(double depth_mm, double area_ha);

// `cubic_metres` in `unit`; millimetres spread the volume over `area_ha` (0 for no area).
double InVolumeUnit(double cubic_metres, double area_ha, VolumeUnit unit);

}  // namespace kelvaro
