#pragma once

#include <array>
#include <span>

#include "weatherio/calendar.h"

namespace kelvaro {

inline constexpr int kMaxDaysInYear = 366;
using DailyValues = std::array<float, kMaxDaysInYear>;  // index = day of year - 1
using MonthlyValues = std::array<float, 12>;            // index = month - 1

const std::array<int, 12>& MonthEndDays(int day_count);

struct HarmonicFit {
  float mean = 0.0f;
  float amplitude = 0.0f;
  float peak_day = 0.0f;  // day of year of the maximum, [0, 365)
};

// First harmonic of `NPTS` equally spaced values over a year. Data holding -999 give
// (-999, 0, 0). The constant 6.2832 stands for 2 pi in the angles and in the day conversion.
HarmonicFit FirstHarmonicFit(std::span<const float> values);

// Daily values by linear interpolation between mid-month days; each mid-month day gets its
// month's value exactly. Fills 365 days (normal year) or 366; a normal year leaves the last
// entry 0.
DailyValues MonthlyToDailyLinear(const MonthlyValues& monthly, bool normal_year);

}  // namespace kelvaro
