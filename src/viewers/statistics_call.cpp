#include "viewers/statistics_call.h"

#include "stats/daily_mean_file.h"
#include "stats/statistics_files.h"
#include "stats/weather_statistics.h"
#include "weatherio/file_naming.h"

namespace kelvaro {
namespace {

FileOutcome NoWorkingFile() {
  FileOutcome outcome;
  outcome.problems.push_back({FileField::kStation, std::string(kInvalidInputFileName)});
  return outcome;
}

}  // namespace

FileOutcome MakeStatistics(const StatisticsRequest& request, Session& session) {
  if (!WeatherStatistics(request.station, session)) return NoWorkingFile();
  FileOutcome outcome;
  for (const StatisticsFileLayout& layout : kStatisticsFiles) {
    outcome.written.push_back(
        FindInFolder(session.data_dir, request.station + "." + std::string(layout.ext)));
  }
  outcome.file = FindInFolder(session.data_dir, request.station + "." + request.kind);
  return outcome;
}

FileOutcome MakeDailyMeans(const std::string& station, Session& session) {
  if (!IsSafeName(station) || !WriteDailyMeanFile(station, session)) return NoWorkingFile();
  FileOutcome outcome;
  outcome.file = FindInFolder(session.data_dir, station + ".avg");
  outcome.written.push_back(*outcome.file);
  return outcome;
}

}  // namespace kelvaro
