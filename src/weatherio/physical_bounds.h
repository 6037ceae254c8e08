#pragma once

#include <cstdint>
#include <string_view>

namespace kelvaro {

// Generous bounds of what the weather can be; a value outside them is a typing or unit error,
// never weather. Both ends are allowed, and -999 (missing) always passes.
struct PhysicalBounds {
  float lowest;
  float highest;
  std::string_view unit;
};

inline constexpr PhysicalBounds kSolarBounds{0.0f, 60.0f, "MJ/m^2"};
inline constexpr PhysicalBounds kTemperatureBounds{-90.0f, 70.0f, "oC"};  // TMax, TMin, Td
inline constexpr PhysicalBounds kWindBounds{0.0f, 100.0f, "m/s"};
inline constexpr PhysicalBounds kDailyRainBounds{0.0f, 2000.0f, "mm"};
inline constexpr PhysicalBounds kMonthlyRainBounds{0.0f, 10000.0f, "mm"};  // a month's total
inline constexpr PhysicalBounds kRainDaysBounds{0.0f, 31.0f, "days"};
inline constexpr PhysicalBounds kPanBounds{0.0f, 40.0f, "mm"};  // daily pan evaporation
// Penman-Monteith gives small negative values on cold, humid days (dew), and stored working
// files hold them.
inline constexpr PhysicalBounds kEtoBounds{-10.0f, 40.0f, "mm"};

// Calendar years every reader accepts; 9999 marks the averages row of the annual results.
inline constexpr int32_t kFirstYear = 1;
inline constexpr int32_t kLastYear = 9998;

// Throws InputError "<column> <value> is outside <lowest>..<highest> <unit>" unless the value
// lies within the bounds or is missing.
void CheckWeatherValue(std::string_view column, float value, const PhysicalBounds& bounds);

// ParseColumnFloat, then CheckWeatherValue.
float ParseWeatherValue(std::string_view text, std::string_view column,
                        const PhysicalBounds& bounds);

// An integer field that must lie within lowest..highest ("DOY 367 is outside 1..366").
int32_t ParseIntInRange(std::string_view text, std::string_view column, int32_t lowest,
                        int32_t highest);

// A Year field: an integer within kFirstYear..kLastYear.
int32_t ParseYear(std::string_view text);

}  // namespace kelvaro
