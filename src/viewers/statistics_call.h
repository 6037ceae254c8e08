#pragma once

#include <string>

#include "session/session.h"
#include "viewers/file_outcome.h"

namespace kelvaro {

struct StatisticsRequest {
  std::string station;       // the working daily file's name without ".wrk"
  std::string kind = "avg";  // the statistics file to show
};

// Writes the six statistics files of a working daily file, all or none; the outcome's file is
// the one of the asked kind and its written files are the six. A working file that cannot be
// opened is the kStation problem "An invalid input file name". Broken contents throw InputError
// or ConversionError naming file and line.
FileOutcome MakeStatistics(const StatisticsRequest& request, Session& session);

// The output viewer's "msw": writes only the daily means of a working daily file as
// station + ".avg" and shows it. A name that could leave the folder or a working file that
// cannot be opened is the kStation problem "An invalid input file name".
FileOutcome MakeDailyMeans(const std::string& station, Session& session);

}  // namespace kelvaro
