#include "generator/rescaling.h"

#include <optional>

#include "generator/wind_spline.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr int kDailyColumns = 10;  // Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp

// A simulated mean of exactly 0 cannot be scaled to the input; the month is left as simulated.
float Ratio(float input, float simulated) { return simulated == 0.0f ? 1.0f : input / simulated; }

float InputValue(const MonthlyMeans& month, size_t quantity) {
  switch (quantity) {
    case kSolar:
      return month.solar;
    case kTMax:
      return month.tmax;
    case kTMin:
      return month.tmin;
    case kWind:
      return month.wind;
    case kTd:
      return month.td;
    case kPcp:
      return month.pcp;
    default:
      return month.nrd;
  }
}

// Monthly mean winds of one simulated year, -999 where the input has none.
MonthlyValues MeanWinds(const MonthlyValues& sums, int year, const TwelveMonths& means) {
  const auto lengths = DayNum(year);
  MonthlyValues winds{};
  for (size_t m = 0; m < 12; ++m) {
    winds[m] = IsMissing(means[m].wind) ? kMissing : sums[m] / static_cast<float>(lengths[m]);
  }
  return winds;
}

}  // namespace

RescalingRatios RatiosToInput(const TwelveMonths& means, const MonthRows& simulated_means) {
  RescalingRatios ratios{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      float simulated = simulated_means[m][q];
      if (q == kPcp && simulated == 0.0f) simulated = 0.0001f;  // as in the CV of .cve
      const bool scaled = q != kNrd && (q != kWind || means[m].wind > 0.0f);
      ratios[m][q] = scaled ? Ratio(InputValue(means[m], q), simulated) : 1.0f;
    }
  }
  return ratios;
}

MonthRows RescaledMeans(const MonthRows& simulated_means, const RescalingRatios& ratios) {
  MonthRows rescaled = simulated_means;
  for (size_t m = 0; m < 12; ++m) {
    if (rescaled[m][kPcp] == 0.0f) rescaled[m][kPcp] = 0.0001f;
    for (size_t q = 0; q < kQuantityCount; ++q) rescaled[m][q] *= ratios[m][q];
  }
  return rescaled;
}

std::string RescaledRows(const std::vector<std::string>& tmp_rows, const RescalingRatios& ratios,
                         YearlyWindSums wind_sums, const TwelveMonths& means) {
  for (size_t y = 0; y < wind_sums.size(); ++y) {
    for (size_t m = 0; m < 12; ++m) wind_sums[y][m] *= ratios[m][kWind];
  }
  std::string text;
  int year = 0;
  std::optional<WindCurve> wind_curve;
  for (const std::string& row : tmp_rows) {
    const auto f = SplitFieldsFromRight(row, kDailyColumns);
    const int month = ParseInt(f[1]);
    const int doy = ParseInt(f[3]);
    if (month < 1 || month > 12) throw InputError("month " + f[1] + " out of range");
    const QuantityRow& ratio = ratios[static_cast<size_t>(month - 1)];
    float solar = ParseFloat(f[4]) * ratio[kSolar];
    float tmax = ParseFloat(f[5]);
    const float tmin = ParseFloat(f[6]);
    if (tmax < tmin) tmax = tmin;
    if (solar < 0.0f) solar = 0.0f;
    if (doy == 1) {
      ++year;
      if (static_cast<size_t>(year) > wind_sums.size())
        throw InputError("more years than simulated");
      wind_curve.emplace(MeanWinds(wind_sums[static_cast<size_t>(year - 1)], year, means));
    }
    if (!wind_curve) throw InputError("the simulated days do not begin on day 1");
    text += Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", f[0].c_str(), month,
                   ParseInt(f[2]), doy, solar, tmax * ratio[kTMax], tmin * ratio[kTMin],
                   wind_curve->AtDay(doy, month), ParseFloat(f[8]) * ratio[kTd],
                   ParseFloat(f[9]) * ratio[kPcp]);
  }
  return text;
}

}  // namespace kelvaro
