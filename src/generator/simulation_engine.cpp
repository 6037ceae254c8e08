#include "generator/simulation_engine.h"

#include <cmath>
#include <string>
#include <vector>

#include "eto/hargreaves_samani.h"
#include "eto/operation_files.h"
#include "generator/rescaling.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr const char* kQuantityNames[] = {"Solar", "TMax", "TMin", "Wind",
                                          "Td",    "Pcp",  "NRD",  "ETo"};

int YearsToGenerate(const RunParameters& run) {
  const int years = run.YearsToSimulate();
  if (years < 2) throw InputError("Number of years should be larger than 1");
  return years;
}

std::string WhereInMeans(const std::string& file_name, size_t m) {
  return file_name + ", month " + std::to_string(m + 1) + ": ";
}

// "Solar, TMax and TMin are needed to generate weather."
std::string NeededMessage(QuantitySet required, const char* purpose) {
  std::vector<std::string> names;
  for (size_t q = 0; q < kQuantityCount; ++q) {
    if (Holds(required, q)) names.emplace_back(kQuantityNames[q]);
  }
  std::string list;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " and " : ", ";
    list += names[i];
  }
  return list + (names.size() == 1 ? " is" : " are") + " needed to " + purpose + ".";
}

// Every month must hold the values the simulation fits; rain statistics are never negative.
void CheckInput(const SimulationRecipe& recipe, const TwelveMonths& means,
                const std::string& file_name) {
  const QuantitySet values = recipe.required & ~Quantities({kPcp, kNrd});
  for (size_t m = 0; m < 12; ++m) {
    for (size_t q = 0; q < kQuantityCount; ++q) {
      if (Holds(values, q) && IsMissing(MonthValue(means[m], q))) {
        throw InputError(WhereInMeans(file_name, m) + NeededMessage(values, recipe.purpose));
      }
    }
    if (means[m].pcp < 0.0f || means[m].nrd < 0.0f) {
      throw InputError(WhereInMeans(file_name, m) +
                       "Pcp and NRD must be 0 or more (a missing value is not allowed).");
    }
  }
}

// A rain per wet day beyond single precision leaves no gamma shape for the wet-day draw, which
// would then never end.
void CheckRainShape(const RainAndWindParameters& rain, const std::string& file_name) {
  for (size_t m = 0; m < 12; ++m) {
    const float shape = rain.monthly.ALPHA[m];
    if (!std::isfinite(shape) || shape <= 0.0f) {
      throw InputError(WhereInMeans(file_name, m) +
                       "Pcp / NRD is too large for a mean rain per wet day.");
    }
  }
}

// The series each process is fitted to. A TMax below TMin is raised to TMin, as the daily
// readers do. Where the daily ETo comes from the temperatures, a missing monthly ETo is computed
// at the month's middle day; no monthly ETo is below 0.
TwelveMonths FillSlots(const SimulationRecipe& recipe, const TwelveMonths& read,
                       const EtoSite& site) {
  TwelveMonths slots{};
  for (size_t m = 0; m < 12; ++m) {
    slots[m].month = read[m].month;
    slots[m].pan = read[m].pan;
    for (size_t q = 0; q < kQuantityCount; ++q) {
      MonthValue(slots[m], q) = MonthValue(read[m], recipe.filled_from[q]);
    }
    if (recipe.constant_td) slots[m].td = *recipe.constant_td;
    MonthlyMeans& month = slots[m];
    if (month.tmax < month.tmin) month.tmax = month.tmin;
    if (recipe.daily_eto != DailyEto::kHargreaves) continue;
    if (IsMissing(month.eto)) {
      month.eto = HargreavesSamani(kMidMonthDays[m], month.tmax, month.tmin, site.latitude_rad,
                                   site.pi, NegativeEt::kZero);
    }
    if (month.eto < 0.0f) month.eto = 0.0f;
  }
  return slots;
}

// What the simulated years leave for the statistics and the second pass.
struct SimulatedRun {
  std::vector<std::string> tmp_rows;
  MonthlyStatistics statistics;
  YearlyWindSums wind_sums;
};

std::string TmpRow(int year_number, int month, int day, int doy, const DayValues& values,
                   const SimulationRecipe& recipe) {
  std::string row = Printf(" %4d,%4d,%4d,%4d", year_number, month, day, doy);
  for (size_t q = kSolar; q <= kTd; ++q) {
    row += Printf(",%8.2f", Holds(recipe.daily_columns, q) ? values[q] : kMissing);
  }
  row += Printf(",%8.2f", values[kPcp]);
  if (Holds(recipe.daily_columns, kEto)) row += Printf(",%8.2f", values[kEto]);
  return row + "\n";
}

void AddYear(int year_number, const SimulatedYear& year, int day_count,
             const SimulationRecipe& recipe, const EtoSite& site, SimulatedRun& run) {
  const auto& month_ends = MonthEndDays(day_count);
  MonthlyValues& wind_sums = run.wind_sums[static_cast<size_t>(year_number - 1)];
  std::vector<DayValues> days;
  size_t month = 0;
  int first_day_of_month = 0;
  for (int day = 0; day < day_count; ++day) {
    while (month < 11 && day >= month_ends[month]) first_day_of_month = month_ends[month++];
    const auto d = static_cast<size_t>(day);
    days.push_back(DayInOutputUnits(year, d, recipe, site));
    run.tmp_rows.push_back(TmpRow(year_number, static_cast<int>(month + 1),
                                  day - first_day_of_month + 1, day + 1, days.back(), recipe));
    wind_sums[month] += year.wind[d];
  }
  run.statistics.AddYear(MonthlyValuesOfYear(days));
}

SimulatedRun SimulateYears(int years, const SimulationRecipe& recipe,
                           MonthlyGeneratorParameters& monthly,
                           const DailyGeneratorParameters& daily, const EtoSite& site,
                           Session& session) {
  SimulatedRun run;
  run.wind_sums.assign(static_cast<size_t>(years), MonthlyValues{});
  SimulatedYear year;
  for (int y = 1; y <= years; ++y) {
    const int day_count = DaysInYear(y);  // simulated year 4, 8, ... is a leap year
    SimulateYearDays(day_count, RainMode::kGenerate, monthly, daily, session, year);
    AddYear(y, year, day_count, recipe, site, run);
  }
  return run;
}

std::string StatisticsHead(const StatisticsLayout& layout, const std::string& station, int years) {
  if (layout.title == nullptr) return layout.columns;
  return Printf(layout.title, station.c_str(), years) + layout.columns;
}

}  // namespace

void RunSimulation(const SimulationRecipe& recipe, const RunParameters& run, Session& session) {
  const int years = YearsToGenerate(run);
  const std::string stem = SafeFileStem(run);
  const auto input = ReadInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  const TwelveMonths read = ReadMonthlyMeans(*input, recipe.columns);
  CheckInput(recipe, read, input->name);
  const float latitude = ParseFloat(run.LatitudeText());
  const EtoSite site{latitude * kShortPi / 180.0f, kShortPi};
  const TwelveMonths slots = FillSlots(recipe, read, site);

  RainAndWindParameters rain = RainAndWindFromMeans(slots);
  CheckRainShape(rain, input->name);
  if (recipe.daily_eto == DailyEto::kHargreaves) session.UseShortPi();
  const DailyGeneratorParameters daily =
      DailyParametersFromMeans(slots, rain, latitude, recipe.units);
  const SimulatedRun simulated = SimulateYears(years, recipe, rain.monthly, daily, site, session);

  const MonthRows simulated_means = simulated.statistics.Means();
  const MonthRows sds = simulated.statistics.StandardDeviations();
  const Rescaling rescaling = RescalingToInput(slots, simulated_means, recipe.rescaling);
  const MonthRows cvs = CoefficientsOfVariation(simulated_means, sds);

  const std::string station_line = ResultStationLine(stem, run);
  const std::string title_station = ToUpperAscii(stem);
  auto output = [&](const char* ext) {
    return OutputFile(FindInFolder(session.data_dir, stem + ext));
  };
  const bool gen = recipe.second_pass == SecondPass::kWeatherWithWindCurve;
  OutputFile tmp = output(".tmp");
  OutputFile second = output(gen ? ".gen" : ".wrk");
  OutputFile wxr = output(".wxr");
  OutputFile std_dev = output(".std");
  OutputFile cve = output(".cve");
  tmp.Write(station_line + recipe.tmp_columns + JoinLines(simulated.tmp_rows));
  const char* second_columns =
      recipe.second_columns != nullptr ? recipe.second_columns : recipe.tmp_columns;
  second.Write(station_line + second_columns +
               (gen ? RescaledRows(simulated.tmp_rows, rescaling, simulated.wind_sums)
                    : RescaledWorkingRows(simulated.tmp_rows, rescaling, recipe.daily_columns)));
  wxr.Write(
      StatisticsHead(recipe.wxr, title_station, years) +
      StatisticsRows(OnlyReported(simulated_means, recipe.reported_means),
                     recipe.simulated_means_with_eto) +
      StatisticsRows(OnlyReported(RescaledMeans(simulated_means, rescaling), recipe.reported_means),
                     recipe.rescaled_means_with_eto));
  std_dev.Write(StatisticsHead(recipe.std_dev, title_station, years) +
                StatisticsRows(OnlyReported(sds, recipe.reported_deviations)));
  cve.Write(StatisticsHead(recipe.cve, title_station, years) +
            StatisticsRows(OnlyReported(cvs, recipe.reported_deviations)));
  CommitTogether({&tmp, &wxr, &std_dev, &cve, &second});
}

}  // namespace kelvaro
