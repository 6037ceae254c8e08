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

const RescalingRow& MonthRescaling(const Rescaling& rescaling, const std::string& month_text,
                                   int month) {
  if (month < 1 || month > 12) throw InputError("month " + month_text + " out of range");
  return rescaling[static_cast<size_t>(month - 1)];
}

Rescale ByRatio(float input, float simulated) {
  // A simulated mean of exactly 0 cannot be scaled to the input; the month is left as simulated.
  return {Rescale::Kind::kRatio, simulated == 0.0f ? 1.0f : input / simulated};
}

Rescale RuleFor(size_t q, float input, float simulated, const RescalingRules& rules) {
  if (Holds(rules.shifted, q)) {
    if (IsMissing(input)) return {Rescale::Kind::kMissing};
    return {Rescale::Kind::kShift, input - simulated};
  }
  if (Holds(rules.ratio, q)) return ByRatio(input, simulated);
  if (Holds(rules.ratio_if_positive, q)) {
    if (IsMissing(input)) return {Rescale::Kind::kMissing};
    if (!(input > 0.0f)) return {};
    // Below about 0.58 m/s the wind draw has no positive scale and the month is calm
    // throughout; its days take the input instead of staying at 0.
    if (simulated == 0.0f) return {Rescale::Kind::kShift, input};
    return ByRatio(input, simulated);
  }
  return {};
}

// Monthly mean winds of one simulated year after rescaling: the sums scaled before the division.
MonthlyValues MeanWinds(const MonthlyValues& sums, int year, const Rescaling& rescaling) {
  const auto lengths = DayNum(year);
  MonthlyValues winds{};
  for (size_t m = 0; m < 12; ++m) {
    const Rescale& rule = rescaling[m][kWind];
    const float sum = rule.kind == Rescale::Kind::kRatio ? sums[m] * rule.amount : sums[m];
    const float mean = sum / static_cast<float>(lengths[m]);
    winds[m] = rule.kind == Rescale::Kind::kRatio ? mean : rule.Applied(mean);
  }
  return winds;
}

}  // namespace

float Rescale::Applied(float value) const {
  switch (kind) {
    case Kind::kRatio:
      return value * amount;
    case Kind::kShift:
      return value + amount;
    case Kind::kMissing:
      return kMissing;
    case Kind::kKept:
      break;
  }
  return value;
}

Rescaling RescalingToInput(const TwelveMonths& inputs, const MonthRows& simulated_means,
                           const RescalingRules& rules) {
  Rescaling rescaling{};
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      float simulated = simulated_means[m][q];
      if (q == kPcp && simulated == 0.0f) simulated = 0.0001f;  // as in the CV of .cve
      rescaling[m][q] = RuleFor(q, MonthValue(inputs[m], q), simulated, rules);
    }
  }
  return rescaling;
}

MonthRows RescaledMeans(const MonthRows& simulated_means, const Rescaling& rescaling) {
  MonthRows rescaled = simulated_means;
  for (size_t m = 0; m < 12; ++m) {
    if (rescaled[m][kPcp] == 0.0f) rescaled[m][kPcp] = 0.0001f;
    for (size_t q = 0; q < kQuantityCount; ++q)
      rescaled[m][q] = rescaling[m][q].Applied(rescaled[m][q]);
  }
  return rescaled;
}

std::string RescaledRows(const std::vector<std::string>& tmp_rows, const Rescaling& rescaling,
                         const YearlyWindSums& wind_sums) {
  std::string text;
  int year = 0;
  std::optional<MidMonthCurve> curve;
  for (const std::string& row : tmp_rows) {
    const auto f = SplitFieldsFromRight(row, kDailyColumns);
    const int month = ParseInt(f[1]);
    const int doy = ParseInt(f[3]);
    const RescalingRow& rule = MonthRescaling(rescaling, f[1], month);
    float solar = rule[kSolar].Applied(ParseFloat(f[4]));
    float tmax = ParseFloat(f[5]);
    const float tmin = ParseFloat(f[6]);
    if (tmax < tmin) tmax = tmin;
    if (solar < 0.0f) solar = 0.0f;
    tmax = rule[kTMax].Applied(tmax);
    float td = rule[kTd].Applied(ParseFloat(f[8]));
    if (!IsMissing(td) && td > tmax) td = tmax;  // a mean dew point above the day's maximum
    if (doy == 1) {
      ++year;
      if (static_cast<size_t>(year) > wind_sums.size())
        throw InputError("more years than simulated");
      curve.emplace(MeanWinds(wind_sums[static_cast<size_t>(year - 1)], year, rescaling));
    }
    if (!curve) throw InputError("the simulated days do not begin on day 1");
    text += Printf(" %s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", f[0].c_str(), month,
                   ParseInt(f[2]), doy, solar, tmax, rule[kTMin].Applied(tmin),
                   curve->AtDay(doy, month), td, rule[kPcp].Applied(ParseFloat(f[9])));
  }
  return text;
}

std::string RescaledWorkingRows(const std::vector<std::string>& tmp_rows,
                                const Rescaling& rescaling, QuantitySet columns) {
  std::string text;
  for (const std::string& row : tmp_rows) {
    const auto f = SplitFieldsFromRight(row, kDailyColumnsWithEto);
    const int month = ParseInt(f[1]);
    const RescalingRow& rule = MonthRescaling(rescaling, f[1], month);
    std::array<float, kDailyColumnsWithEto - 4> values{};  // Solar, TMax, TMin, Wind, Td, Pcp, ETo
    for (size_t i = 0; i < values.size(); ++i) values[i] = ParseFloat(f[i + 4]);
    if (values[kTMax] < values[kTMin]) values[kTMax] = values[kTMin];
    text += Printf(" %s,%4d,%4d,%4d", f[0].c_str(), month, ParseInt(f[2]), ParseInt(f[3]));
    for (size_t q = kSolar; q <= kTd; ++q) {
      text += Printf(",%8.2f", Holds(columns, q) ? rule[q].Applied(values[q]) : kMissing);
    }
    text +=
        Printf(",%8.2f,%8.2f\n", rule[kPcp].Applied(values[kPcp]), rule[kEto].Applied(values[6]));
  }
  return text;
}

}  // namespace kelvaro
