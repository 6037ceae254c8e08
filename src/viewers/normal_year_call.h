#pragma once

#include <string>

#include "session/session.h"
#include "viewers/file_outcome.h"

namespace kelvaro {

// How the normal year of a crop is named: after the crop's file stem ("SA" + SA5 + "C" + kkk +
// ".nor", headed by the stem in capitals) as the normal-year dialog names it, or after its daily
// file's whole name ("SA" + SA5 + "c" + kkk + ".csv.nor") as the output viewer's "mse" does.
enum class NormalYearNaming { kCropStem, kDailyFileName };

struct NormalYearRequest {
  std::string sa;  // the SA text as typed
  int crop = -1;   // the crop's number, from 1, as the crop list gives it
  NormalYearNaming naming = NormalYearNaming::kCropStem;
};

// Writes the normal year of one crop from its daily file. A missing daily file is the kFile
// problem "An invalid input file name"; a missing crop file is the failure "Couldn't find " +
// the crop file + "." (its full path when named after the daily file). Otherwise the written
// file is the outcome's file. Broken contents throw InputError or ConversionError.
FileOutcome MakeNormalYear(const NormalYearRequest& request, Session& session);

}  // namespace kelvaro
