#include "stats/daily_mean_file.h"

#include <vector>

#include "eto/penman_monteith.h"
#include "stats/mean_day_eto.h"
#include "stats/statistics_files.h"
#include "stats/statistics_rows.h"
#include "stats/weather_accumulation.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {

bool WriteDailyMeanFile(const std::string& input_name, Session& session) {
  CheckSafeName(input_name, "input file name");
  const auto sums = AccumulateWorkingFile(FindInFolder(session.data_dir, input_name + ".wrk"));
  if (!sums) return false;
  const Site site = MakeSite(sums->latitude_deg, sums->elevation_m, kStatisticsPi);
  std::vector<StatisticsRow> rows;
  for (int doy = 1; doy <= 366; ++doy) {
    rows.push_back(DayOfYearStatistics(*sums, doy, site, session.reporter));
  }
  const StatisticsFileLayout& layout = kStatisticsFiles[0];  // the daily means, ".avg"
  const std::string first_line =
      Printf(kViewerDailyMeanFirstLine, ToUpperAscii(input_name).c_str(), sums->year_count);
  WriteWholeFile(FindInFolder(session.data_dir, input_name + "." + std::string(layout.ext)),
                 StatisticsFileText(layout, first_line, rows));
  return true;
}

}  // namespace kelvaro
