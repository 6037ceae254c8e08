#pragma once

#include <string_view>

#include "weatherio/physical_bounds.h"

namespace kelvaro {

// What the water balance can write. A value beyond these is a result file edited by hand or
// broken, never a result, and would turn into a budget of any size.
//
// A year's ETAW is its ETc less its effective rain. The rain can exceed the ETc only by the
// depletion the soil held when the year or season began, at most the bare-soil limit
// AW x 300 x p % (300 mm at most), so the lower bound is a little below 0. No crop uses 5 m of
// water a year.
inline constexpr PhysicalBounds kYearEtawBounds{-500.0f, 5000.0f, "mm a year"};
// One refill of the root zone; a root zone holds far less than 5 m of water.
inline constexpr PhysicalBounds kIrrigationDepthBounds{0.0f, 5000.0f, "mm"};
// At most one refill a day.
inline constexpr PhysicalBounds kIrrigationCountBounds{0.0f, 366.0f, "a year"};

// Throws InputError "<column> <value> is outside <lowest>..<highest> <unit>". Unlike weather,
// a result has no missing value: -999 is refused like any other value out of bounds.
void CheckResultValue(std::string_view column, float value, const PhysicalBounds& bounds);

}  // namespace kelvaro
