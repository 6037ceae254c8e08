#include "generator/temperature_months.h"

#include "eto/operation_files.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"

namespace kelvaro {

WeatherDay WithTmaxRaised(WeatherDay day) {
  if (day.tmax < day.tmin) day.tmax = day.tmin;
  return day;
}

bool IsCounted(const WeatherDay& day) {
  return !IsMissing(day.tmax) && !IsMissing(day.tmin) && !IsMissing(day.pcp);
}

HargreavesSite HargreavesSiteOf(const RunParameters& run) {
  return {ParseFloat(run.LatitudeText()) * kShortPi / 180.0f, kShortPi};
}

float MeanOrMissing(float sum, int days) {
  return days == 0 ? kMissing : sum / static_cast<float>(days);
}

std::optional<std::vector<WeatherDay>> ReadTemperatureDays(const RunParameters& run, DayOrder order,
                                                           Session& session) {
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return std::nullopt;
  return ParseTemperatureDays(*input, order);
}

}  // namespace kelvaro
