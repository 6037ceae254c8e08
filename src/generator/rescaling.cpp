#include "generator/rescaling.h"

#include <optional>

#include "generator/mid_month_curve.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr int kDailyColumns = 10;  // Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp
constexpr int kDailyColumnsWithEto = 11;

const QuantityRow& MonthRatios(const RescalingRatios& ratios, const std::string& month_text,
                               int month) {
  if (month < 1 || month > 12) throw InputError("month " + month_text + " out of range");
  return ratios[static_cast<size_t>(month - 1)];
}

// A simulated mean of exactly 0 cannot be scaled to the input; the month is left as simulated.
float Ratio(float input, float simulated) { return simulated == 0.0f ? 1.0f : input / simulated; }

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

RescalingRatios RatiosToInput(const TwelveMonths& inputs, const MonthRows& simulated_means,
                              QuantitySet rescaled, QuantitySet rescaled_if_positive) {
  RescalingRatios ratios{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      float simulated = simulated_means[m][q];
      if (q == kPcp && simulated == 0.0f) simulated = 0.0001f;  // as in the CV of .cve
      const float input = MonthValue(inputs[m], q);
      const bool scaled =
          Holds(rescaled, q) || (Holds(rescaled_if_positive, q) && input > 0.0f);
      ratios[m][q] = scaled ? Ratio(input, simulated) : 1.0f;
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
  std::optional<MidMonthCurve> curve;
  for (const std::string& row : tmp_rows) {
    const auto f = SplitFieldsFromRight(row, kDailyColumns);
    const int month = ParseInt(f[1]);
    const int doy = ParseInt(f[3]);
    const QuantityRow& ratio = MonthRatios(ratios, f[1], month);
    float solar = ParseFloat(f[4]) * ratio[kSolar];
    float tmax = ParseFloat(f[5]);
    const float tmin = ParseFloat(f[6]);
    if (tmax < tmin) tmax = tmin;
    if (solar < 0.0f) solar = 0.0f;
    if (doy == 1) {
      ++year;
      if (static_cast<size_t>(year) > wind_sums.size())
        throw InputError("more years than simulated");
      curve.emplace(MeanWinds(wind_sums[static_cast<size_t>(year - 1)], year, means));
    }
    if (!curve) throw InputError("the simulated days do not begin on day 1");
    text += Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", f[0].c_str(), month,
                   ParseInt(f[2]), doy, solar, tmax * ratio[kTMax], tmin * ratio[kTMin],
                   curve->AtDay(doy, month), ParseFloat(f[8]) * ratio[kTd],
                   ParseFloat(f[9]) * ratio[kPcp]);
  }
  return text;
}

std::string RescaledWorkingRows(const std::vector<std::string>& tmp_rows,
                                const RescalingRatios& ratios, QuantitySet columns) {
  std::string text;
  for (const std::string& row : tmp_rows) {
    const auto f = SplitFieldsFromRight(row, kDailyColumnsWithEto);
    const int month = ParseInt(f[1]);
    const QuantityRow& ratio = MonthRatios(ratios, f[1], month);
    std::array<float, kDailyColumnsWithEto - 4> values{};  // Solar, TMax, TMin, Wind, Td, Pcp, ETo
    for (size_t i = 0; i < values.size(); ++i) values[i] = ParseFloat(f[i + 4]);
    if (values[kTMax] < values[kTMin]) values[kTMax] = values[kTMin];
    text += Printf(" %s,%4d,%4d,%4d", f[0].c_str(), month, ParseInt(f[2]), ParseInt(f[3]));
    for (size_t q = kSolar; q <= kTd; ++q) {
      text += Printf(",%8.2f", Holds(columns, q) ? values[q] * ratio[q] : kMissing);
    }
    text += Printf(",%8.2f,%8.2f\n", values[kPcp] * ratio[kPcp], values[6] * ratio[kEto]);
  }
  return text;
}

}  // namespace kelvaro
