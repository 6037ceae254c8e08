#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "eto/penman_monteith.h"
#include "session/session.h"
#include "stats/weather_accumulation.h"

namespace kelvaro {

// The statistics keep their own pi, 4 atan(1), whatever an earlier operation made GlobalPi.
inline constexpr float kStatisticsPi = kStartPi;

// Trace lines of the main window's message area, one per day of year recomputed.
inline constexpr std::string_view kPenmanTrace = "enter penman";
inline constexpr std::string_view kTemperatureOnlyTrace = "Enter in Aug 26-2005";

struct MeanDayEto {
  float eto = 0.0f;  // mm per day
  std::string_view trace;
};

// Reference ET of day of year `doy` recomputed from that day's mean weather: Penman-Monteith when
// the means of Solar, TMax, TMin, Wind and Td are all nonzero, else the temperature-only value
// when those of TMax and TMin are; nothing otherwise (the mean of the file's ETo stays).
std::optional<MeanDayEto> MeanDayReferenceEt(const std::array<float, kStatisticsColumnCount>& means,
                                             int doy, const Site& site);

}  // namespace kelvaro
