#include "eto/montly_output.h"

#include <array>
#include <optional>

#include "eto/hargreaves_samani.h"
#include "eto/operation_files.h"
#include "eto/solar_geometry.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/input_file_rows.h"
#include "weatherio/letter_case.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

struct MonthSums {
  int days = 0;  // complete days
  float solar = 0.0f;
  float tmax = 0.0f;
  float tmin = 0.0f;
  float wind = 0.0f;
  float td = 0.0f;
  float pcp = 0.0f;
  int rain_days = 0;
};

bool IsComplete(const WeatherDay& day) {
  return !IsMissing(day.solar) && !IsMissing(day.tmax) && !IsMissing(day.tmin) &&
         !IsMissing(day.wind) && !IsMissing(day.pcp) && !IsMissing(day.td);
}

void AddDay(const WeatherDay& day, float eth, MonthSums& month) {
  ++month.days;
  month.solar += day.solar;
  month.tmax += day.tmax;
  month.tmin += day.tmin;
  month.wind += day.wind;
  month.td += day.td;
  month.pcp += day.pcp;
  if (IsRainDay(day.pcp, eth)) ++month.rain_days;
}

std::string FormatMonthRow(int month, const MonthSums& sums, int years) {
  if (sums.days == 0) {
    return FormatMonthlyMeansRow(
        {month, kMissing, kMissing, kMissing, kMissing, kMissing, kMissing, kMissing, kMissing},
        MonthlyColumns::kWithoutEto);
  }
  const auto mean = [&sums](float sum) { return sum / static_cast<float>(sums.days); };
  const auto per_year = [years](float total) { return total / static_cast<float>(years); };
  return FormatMonthlyMeansRow(
      {month, mean(sums.solar), mean(sums.tmax), mean(sums.tmin), mean(sums.wind), mean(sums.td),
       per_year(sums.pcp), per_year(static_cast<float>(sums.rain_days)), kMissing},
      MonthlyColumns::kWithoutEto);
}

}  // namespace

bool IsRainDay(float pcp_mm, float eth_mm) { return pcp_mm > 2 * eth_mm; }

void MontlyOutput(const RunParameters& run, Session& session) {
  const std::string stem = SafeFileStem(run);
  auto input = OpenInputOrReport(stem + "." + run.Extension(), session);
  if (!input) return;
  const float latitude_deg = ParseFloat(run.LatitudeText());
  // Every complete day is summed with pi 3.1415; the session takes that pi once the file has
  // been read through, should it hold a complete day.
  const float pi = kShortPi;
  const float latitude_rad = static_cast<float>((1.0 / 180) * pi * latitude_deg);
  WeatherDayReader reader(false, WeatherChecks::kEveryColumn);
  std::array<MonthSums, 12> months{};
  std::optional<int> first_year;
  int last_year = 0;
  bool any_complete = false;
  ForEachDataLine(*input, [&](const std::string& line, int line_number) {
    WeatherDay day = reader.Read(line, line_number);
    CheckSolarWithinRa(day.solar, day.doy, latitude_deg, pi);
    if (!first_year) first_year = day.year;
    last_year = day.year;
    if (day.tmax < day.tmin) day.tmax = day.tmin;
    if (!IsComplete(day)) return;
    any_complete = true;
    // A very cold day's negative ETo counts as 0, or every dry day of it would be a rain day.
    const float eth =
        HargreavesSamani(day.doy, day.tmax, day.tmin, latitude_rad, pi, NegativeEt::kZero);
    AddDay(day, eth, months[static_cast<size_t>(day.month - 1)]);
  });
  if (!first_year) throw InputError(input->name() + " holds no daily weather");
  for (const std::string& warning : reader.notes().Warnings(input->name())) {
    session.reporter.Warn(warning);
  }
  // The rain totals are averaged over the years from the first line's to the last line's.
  const int years = last_year - *first_year + 1;

  std::string text = ResultStationLine(ToUpperAscii(stem), run) + kMonthlyMeansColumnLines;
  for (size_t m = 0; m < months.size(); ++m) {
    text += FormatMonthRow(static_cast<int>(m + 1), months[m], years);
  }
  WriteResult(stem + ".mon", text, session);
  if (any_complete) session.UseShortPi();
}

}  // namespace kelvaro
