#include "support/result_runs.h"

#include "balance/eto_etc_aw.h"
#include "eto/wth_eto.h"
#include "generator/generate_weather.h"
#include "session/reporter.h"
#include "stats/weather_statistics.h"
#include "support/station_run.h"

namespace kelvaro::testing {

ResultRuns::ResultRuns() {
  measured_.CopyExamples({"MARIC.day", "SA00001.csv"});
  RecordingReporter reporter;
  Session session(measured_.path(), reporter);
  WTHETo(StationRun("MARIC", "day"), session);
  RunParameters run = StationRun("MARIC", "day");
  run.SA = "1";
  EToETcAW(run, session);
  const bool statistics = WeatherStatistics("MARIC", session);

  generated_.CopyExamples({"MARIC.mon"});
  Session generating(generated_.path(), reporter);
  RunParameters years = StationRun("MARIC", "mon");
  years.Years = "5";
  GenerateWeather(years, generating);
  ok_ = statistics && reporter.boxes().empty();
}

ResultRuns* ResultRunsSuite::runs_ = nullptr;

void ResultRunsSuite::SetUpTestSuite() {
  runs_ = new ResultRuns;
  ASSERT_TRUE(runs_->ok());
}

void ResultRunsSuite::TearDownTestSuite() {
  delete runs_;
  runs_ = nullptr;
}

}  // namespace kelvaro::testing
