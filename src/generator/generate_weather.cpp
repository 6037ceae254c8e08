#include "generator/generate_weather.h"

#include <cmath>
#include <string>
#include <vector>

#include "generator/generator_parameters.h"
#include "generator/monthly_statistics.h"
#include "generator/rescaling.h"
#include "generator/units.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/monthly_means_file.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr const char* kDailyColumnNames =
    " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp\n";
constexpr const char* kTmpUnits =
    "    #,   # ,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm\n";
constexpr const char* kGenUnits =
    "    #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm\n";

int YearsToGenerate(const RunParameters& run) {
  const int years = run.YearsToSimulate();
  if (years < 2) throw InputError("Number of years should be larger than 1");
  return years;
}

std::string WhereInMeans(const std::string& file_name, size_t m) {
  return file_name + ", month " + std::to_string(m + 1) + ": ";
}

// The generator needs radiation, both temperatures and the rain statistics of every month;
// Wind and Td may be missing (-999).
void CheckGeneratorInput(const TwelveMonths& means, const std::string& file_name) {
  for (size_t m = 0; m < 12; ++m) {
    const MonthlyMeans& month = means[m];
    const std::string where = WhereInMeans(file_name, m);
    if (IsMissing(month.solar) || IsMissing(month.tmax) || IsMissing(month.tmin)) {
      throw InputError(where + "Solar, TMax and TMin are needed to generate weather.");
    }
    if (month.pcp < 0.0f || month.nrd < 0.0f) {
      throw InputError(where + "Pcp and NRD must be 0 or more (a missing value is not allowed).");
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

// What the simulated years leave for the statistics and the second pass.
struct SimulatedRun {
  std::vector<std::string> tmp_rows;
  MonthlyStatistics statistics;
  YearlyWindSums wind_sums;
};

void AppendTmpRows(int year_number, int day_count, const SimulatedYear& year, SimulatedRun& run) {
  const auto& month_ends = MonthEndDays(day_count);
  MonthlyValues& wind_sums = run.wind_sums[static_cast<size_t>(year_number - 1)];
  size_t month = 0;
  int first_day_of_month = 0;
  for (int day = 0; day < day_count; ++day) {
    while (month < 11 && day >= month_ends[month]) first_day_of_month = month_ends[month++];
    const auto d = static_cast<size_t>(day);
    run.tmp_rows.push_back(
        Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", year_number,
               static_cast<int>(month + 1), day - first_day_of_month + 1, day + 1,
               ToMegajoules(year.solar[d]), ToCelsius(year.tmax[d]), ToCelsius(year.tmin[d]),
               year.wind[d], ToCelsius(year.td[d]), year.pcp[d]));
    wind_sums[month] += year.wind[d];
  }
}

SimulatedRun SimulateYears(int years, MonthlyGeneratorParameters& monthly,
                           const DailyGeneratorParameters& daily, Session& session) {
  SimulatedRun run;
  run.wind_sums.assign(static_cast<size_t>(years), MonthlyValues{});
  SimulatedYear year;
  for (int y = 1; y <= years; ++y) {
    const int day_count = y % 4 == 0 ? 366 : 365;
    SimulateYearDays(day_count, RainMode::kGenerate, monthly, daily, session, year);
    AppendTmpRows(y, day_count, year, run);
    run.statistics.AddYear(MonthlyValuesOfYear(year, day_count));
  }
  return run;
}

}  // namespace

void GenerateWeather(const RunParameters& run, Session& session) {
  const int years = YearsToGenerate(run);
  const std::string stem = run.FileStem();
  CheckSafeName(stem, "station name");
  const std::string input_name = stem + "." + run.Extension();
  const auto input = ReadTextFile(FindInFolder(session.data_dir, input_name));
  if (!input) {
    session.reporter.MessageBox("Couldn't find " + input_name + ".");
    return;
  }
  const TwelveMonths means = ReadMonthlyMeans(*input, MonthlyColumns::kWithoutEto);
  CheckGeneratorInput(means, input->name);
  const float latitude = ParseFloat(run.LatitudeText());

  RainAndWindParameters rain = RainAndWindFromMeans(means);
  CheckRainShape(rain, input->name);
  const DailyGeneratorParameters daily = DailyParametersFromMeans(means, rain, latitude);
  const SimulatedRun simulated = SimulateYears(years, rain.monthly, daily, session);

  const MonthRows simulated_means = simulated.statistics.Means();
  const MonthRows sds = simulated.statistics.StandardDeviations();
  const RescalingRatios ratios = RatiosToInput(means, simulated_means);

  const std::string station_line =
      StationLine(stem, run.LatitudeText(), run.ElevationText()) + kDailyColumnNames;
  const std::string title_station = ToUpperAscii(stem);
  auto output = [&](const char* ext) {
    return OutputFile(FindInFolder(session.data_dir, stem + ext));
  };
  OutputFile tmp = output(".tmp");
  OutputFile gen = output(".gen");
  OutputFile wxr = output(".wxr");
  OutputFile std_dev = output(".std");
  OutputFile cve = output(".cve");
  tmp.Write(station_line + kTmpUnits + JoinLines(simulated.tmp_rows));
  gen.Write(station_line + kGenUnits +
            RescaledRows(simulated.tmp_rows, ratios, simulated.wind_sums, means));
  wxr.Write(StatisticsHeader(kMeansTitle, title_station, years) + StatisticsRows(simulated_means) +
            StatisticsRows(RescaledMeans(simulated_means, ratios)));
  std_dev.Write(StatisticsHeader(kStdDevTitle, title_station, years) + StatisticsRows(sds));
  cve.Write(StatisticsHeader(kCvTitle, title_station, years) +
            StatisticsRows(CoefficientsOfVariation(simulated_means, sds)));
  CommitTogether({&tmp, &wxr, &std_dev, &cve, &gen});
}

}  // namespace kelvaro
