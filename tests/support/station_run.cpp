#include "support/station_run.h"

namespace kelvaro::testing {

RunParameters StationRun(const std::string& station, const std::string& ext) {
  RunParameters run;
  run.Station = station;
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.ext = ext;
  return run;
}

}  // namespace kelvaro::testing
