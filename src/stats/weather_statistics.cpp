#include "stats/weather_statistics.h"

#include <vector>

#include "stats/mean_day_eto.h"
#include "stats/statistics_files.h"
#include "stats/weather_accumulation.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

struct StatisticsTables {
  std::vector<StatisticsRow> by_day;    // days of year 1..366
  std::vector<StatisticsRow> by_month;  // months 1..12
};

StatisticsTables ComputeStatistics(const WeatherAccumulation& sums, Reporter& reporter) {
  const Site site = MakeSite(sums.latitude_deg, sums.elevation_m, kStatisticsPi);
  StatisticsTables tables;
  for (int doy = 1; doy <= 366; ++doy) {
    tables.by_day.push_back(DayOfYearStatistics(sums, doy, site, reporter));
  }
  for (int month = 1; month <= 12; ++month) tables.by_month.push_back(MonthStatistics(sums, month));
  return tables;
}

}  // namespace

bool WeatherStatistics(const std::string& input_name, Session& session) {
  CheckSafeName(input_name, "input file name");
  const auto sums = AccumulateWorkingFile(FindInFolder(session.data_dir, input_name + ".wrk"));
  if (!sums) return false;
  const StatisticsTables tables = ComputeStatistics(*sums, session.reporter);
  const std::string station = ToUpperAscii(input_name);

  OutputFileSet files;
  for (const StatisticsFileLayout& layout : kStatisticsFiles) {
    const auto& rows =
        layout.period == StatisticsPeriod::kDayOfYear ? tables.by_day : tables.by_month;
    const std::string first_line = Printf(layout.first_line, station.c_str(), sums->year_count);
    files.Add(FindInFolder(session.data_dir, input_name + "." + std::string(layout.ext)))
        .Write(StatisticsFileText(layout, first_line, rows));
  }
  files.CommitAll();
  return true;
}

}  // namespace kelvaro
