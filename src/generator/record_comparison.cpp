#include "generator/record_comparison.h"

#include <cmath>
#include <optional>

#include "weatherio/calendar.h"
#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

struct DailyVariable {
  RecordVariable index;
  const char* name;
  const char* unit;
  bool temperature;
};
constexpr DailyVariable kDailyVariables[] = {
    {kDailyTMax, "TMax", "oC", true},   {kDailyTMin, "TMin", "oC", true},
    {kDailyTd, "Td", "oC", true},       {kDailySolar, "Solar", "MJ/m^2", false},
    {kDailyWind, "Wind", "m/s", false}, {kDailyEto, "ETo", "mm", false},
};

// How far apart two records may be and still be called the same or close: temperatures in oC,
// everything else in % of the measured figure.
struct Tolerance {
  float reproduced;
  float close;
};
constexpr Tolerance kTemperatureTolerance{0.5f, 1.5f};
constexpr Tolerance kPercentTolerance{5.0f, 15.0f};

const char* Judged(float difference, Tolerance tolerance) {
  if (difference <= tolerance.reproduced) return "reproduced";
  if (difference <= tolerance.close) return "close";
  return "differs";
}

// The largest difference of a statistic over the months, and where it is.
struct Largest {
  float size = -1.0f;
  int month = 0;
};

// In oC, or in % of the measured figure (spreads are compared in %, temperatures' too).
Largest LargestDifference(const std::vector<ComparedFigure>& figures, const std::string& variable,
                          const std::string& statistic, bool in_degrees) {
  Largest largest;
  for (const ComparedFigure& f : figures) {
    if (f.variable != variable || f.statistic != statistic || IsMissing(f.Difference())) continue;
    if (!in_degrees && f.measured == 0.0f) continue;
    const float size =
        std::fabs(in_degrees ? f.Difference() : 100.0f * f.Difference() / f.measured);
    if (size > largest.size) largest = {size, f.month};
  }
  return largest;
}

std::string Where(const Largest& largest) {
  return largest.month == 0
             ? ""
             : std::string(" (") + kMonthNames[static_cast<size_t>(largest.month - 1)] + ")";
}

std::string Amount(const Largest& largest, bool temperature) {
  return temperature ? Printf("%.2f oC", largest.size) : Printf("%.1f %%", largest.size);
}

// "TMax: reproduced: monthly means differ by at most 0.02 oC (January), daily standard
// deviations by at most 14.0 % (July)"
std::string DailyVerdict(const std::vector<ComparedFigure>& figures, const DailyVariable& v) {
  const Largest mean = LargestDifference(figures, v.name, "mean", v.temperature);
  if (mean.size < 0.0f) return std::string(v.name) + ": not compared (no values in one record)";
  const Largest sd = LargestDifference(figures, v.name, "sd", false);
  const Tolerance tolerance = v.temperature ? kTemperatureTolerance : kPercentTolerance;
  return std::string(v.name) + ": " + Judged(mean.size, tolerance) +
         ": monthly means differ by at most " + Amount(mean, v.temperature) + Where(mean) +
         ", daily standard deviations by at most " + Amount(sd, false) + Where(sd);
}

std::string YearVerdict(const std::vector<ComparedFigure>& figures, const std::string& variable,
                        const std::string& statistic, const std::string& what) {
  for (const ComparedFigure& f : figures) {
    if (f.variable != variable || f.statistic != statistic || f.month != 0) continue;
    const std::optional<float> percent = f.DifferencePercent();
    if (!percent) return variable + ": not compared (no values in one record)";
    return variable + ": " + Judged(std::fabs(*percent), kPercentTolerance) + ": " + what +
           Printf(" %.2f against %.2f measured (%+.1f %%)", f.generated, f.measured, *percent);
  }
  return variable + ": not compared";
}

void AddMonths(std::vector<ComparedFigure>& figures, const char* variable, const char* statistic,
               const char* unit, const YearOfMonths& measured, const YearOfMonths& generated,
               bool with_year) {
  for (int m = 1; m <= 12; ++m) {
    const auto i = static_cast<size_t>(m - 1);
    figures.push_back({variable, statistic, unit, m, measured[i], generated[i]});
  }
  if (with_year) {
    figures.push_back({variable, statistic, unit, 0, measured[kWholeYear], generated[kWholeYear]});
  }
}

YearOfMonths Padded(const std::array<float, 12>& months) {
  YearOfMonths padded{};
  for (size_t m = 0; m < 12; ++m) padded[m] = months[m];
  padded[kWholeYear] = kMissing;
  return padded;
}

}  // namespace

float ComparedFigure::Difference() const {
  if (IsMissing(measured) || IsMissing(generated)) return kMissing;
  return generated - measured;
}

std::optional<float> ComparedFigure::DifferencePercent() const {
  if (temperature || IsMissing(Difference()) || measured == 0.0f) return std::nullopt;
  return 100.0f * (generated - measured) / measured;
}

RecordComparison CompareRecords(const RecordFigures& measured, const RecordFigures& generated) {
  RecordComparison c;
  for (const DailyVariable& v : kDailyVariables) {
    const MonthlySpread& m = measured.daily[v.index];
    const MonthlySpread& g = generated.daily[v.index];
    const size_t first = c.figures.size();
    AddMonths(c.figures, v.name, "mean", v.unit, Padded(m.mean), Padded(g.mean), false);
    AddMonths(c.figures, v.name, "sd", v.unit, Padded(m.sd), Padded(g.sd), false);
    for (size_t i = first; i < c.figures.size(); ++i) c.figures[i].temperature = v.temperature;
  }
  AddMonths(c.figures, "Rain", "total", "mm", measured.rain, generated.rain, true);
  AddMonths(c.figures, "Wet days", "count", "days", measured.wet_days, generated.wet_days, true);
  AddMonths(c.figures, "Wet spell", "mean length", "days", measured.wet_spell, generated.wet_spell,
            true);
  AddMonths(c.figures, "Dry spell", "mean length", "days", measured.dry_spell, generated.dry_spell,
            true);
  c.figures.push_back(
      {"Annual ETo", "mean", "mm", 0, measured.annual_eto_mean, generated.annual_eto_mean});
  c.figures.push_back(
      {"Annual ETo", "sd", "mm", 0, measured.annual_eto_sd, generated.annual_eto_sd});

  for (const DailyVariable& v : kDailyVariables) c.verdicts.push_back(DailyVerdict(c.figures, v));
  c.verdicts.push_back(YearVerdict(c.figures, "Rain", "total", "a yearly total of"));
  c.verdicts.push_back(YearVerdict(c.figures, "Wet days", "count", "wet days a year"));
  c.verdicts.push_back(YearVerdict(c.figures, "Wet spell", "mean length", "spells of"));
  c.verdicts.push_back(YearVerdict(c.figures, "Dry spell", "mean length", "spells of"));
  c.verdicts.push_back(YearVerdict(c.figures, "Annual ETo", "mean", "a mean of"));
  return c;
}

std::string GeneratorCheckCsv(const RecordComparison& comparison, const std::string& title) {
  std::string text = title + "\n";
  text += "Variable,Statistic,Unit,Month,Measured,Generated,Difference,Difference %\n";
  for (const ComparedFigure& f : comparison.figures) {
    const std::optional<float> percent = f.DifferencePercent();
    text +=
        Printf("%s,%s,%s,%s,%.2f,%.2f,%s,%s\n", f.variable.c_str(), f.statistic.c_str(),
               f.unit.c_str(), f.month == 0 ? "Year" : std::to_string(f.month).c_str(), f.measured,
               f.generated, IsMissing(f.Difference()) ? "" : Printf("%.2f", f.Difference()).c_str(),
               percent ? Printf("%.1f", *percent).c_str() : "");
  }
  text += "\nVerdict\n";
  for (const std::string& verdict : comparison.verdicts) text += "\"" + verdict + "\"\n";
  return text;
}

}  // namespace kelvaro
