#include "analysis/season_chart.h"

#include "analysis/result_readers.h"
#include "balance/crop_output_files.h"
#include "balance/irrigation_event_files.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

std::vector<BalanceDay> DaysOfYear(const DailyBalanceFile& balance, const std::string& name,
                                   int year) {
  std::vector<BalanceDay> days;
  for (const BalanceDay& day : balance.days) {
    if (day.year == year) days.push_back(day);
  }
  if (days.empty()) {
    const std::string held = balance.days.empty()
                                 ? std::string("no days at all")
                                 : std::to_string(balance.days.front().year) + "-" +
                                       std::to_string(balance.days.back().year);
    throw InputError(name + " holds no days of " + std::to_string(year) + " (it holds " + held +
                     ")");
  }
  for (size_t i = 0; i < days.size(); ++i) {
    if (days[i].doy != static_cast<int>(i + 1)) {
      throw InputError(name + ": day " + std::to_string(days[i].doy) + " of " +
                       std::to_string(year) + " follows day " + std::to_string(i) +
                       "; the file is cut short or was edited");
    }
  }
  return days;
}

ChartSeries DailySeries(const char* name, SeriesStyle style, ValueAxis axis,
                        const std::vector<BalanceDay>& days, float BalanceDay::*value) {
  ChartSeries series{name, style, axis, {}, {}, {}};
  for (const BalanceDay& day : days) {
    series.x.push_back(day.doy);
    series.y.push_back(day.*value);
  }
  return series;
}

// The events of the crop and year, pre-irrigations and irrigations apart; none when the run
// did not record them.
void AddIrrigations(const fs::path& folder, const std::string& sa5, int crop_number, int year,
                    ChartData& chart) {
  const auto file = ReadTextFile(FindInFolder(folder, IrrigationEventsFileName(sa5)));
  if (!file) return;
  ChartSeries irrigations{"Irrigations", SeriesStyle::kMarkers, ValueAxis::kRight, {}, {}, {}};
  ChartSeries pre{"Pre-irrigation", SeriesStyle::kMarkers, ValueAxis::kRight, {}, {}, {}};
  for (const RecordedIrrigation& event : ReadIrrigationEvents(*file)) {
    if (event.crop_number != crop_number || event.year != year) continue;
    ChartSeries& series = event.pre_irrigation ? pre : irrigations;
    series.x.push_back(event.doy);
    series.y.push_back(event.depth_mm);
  }
  chart.series.push_back(std::move(irrigations));
  if (!pre.x.empty()) chart.series.push_back(std::move(pre));
}

}  // namespace

ChartData SeasonChart(const fs::path& folder, const std::string& sa5, int crop_number, int year) {
  CheckSafeName(sa5, "SA number");
  const std::string name = CropFileStem(sa5, crop_number) + ".CSV";
  const auto file = ReadTextFile(FindInFolder(folder, name));
  if (!file) {
    throw InputError(name + " is missing: study area " + std::to_string(ParseInt(sa5)) +
                     " has no results of crop " + std::to_string(crop_number));
  }
  const DailyBalanceFile balance = ReadDailyBalance(*file);
  if (year == 0 && !balance.days.empty()) year = balance.days.front().year;
  const auto days = DaysOfYear(balance, file->name, year);

  ChartData chart;
  chart.title = balance.crop_name + ", study area " + sa5 + ", " + std::to_string(year);
  chart.x_title = "Day of year";
  chart.left_title = "ETo, ETc (mm/day)";
  chart.second_left_title = "Kc";
  chart.right_title = "Depletion (mm)";
  using S = SeriesStyle;
  using A = ValueAxis;
  chart.series = {
      DailySeries("ETo", S::kLine, A::kLeft, days, &BalanceDay::eto),
      DailySeries("ETc", S::kLine, A::kLeft, days, &BalanceDay::etc),
      DailySeries("Kc", S::kLine, A::kSecondLeft, days, &BalanceDay::kc),
      DailySeries("Depletion", S::kLine, A::kRight, days, &BalanceDay::swd),
      DailySeries("Threshold", S::kDashedLine, A::kRight, days, &BalanceDay::swdx),
  };
  AddIrrigations(folder, sa5, crop_number, year, chart);
  return chart;
}

}  // namespace kelvaro
