#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// The water balance of a study area, the last operation of every run: reads the working daily
// file FileStem + ".wrk" and every crop row of the study area's crop file, and writes for each
// crop its daily, annual and monthly balance files and for the study area its ETAW and ETc
// summaries, all of them together at the end or none. A missing input is reported as
// "Couldn't find <name>." and nothing is written; malformed input (a crop file without crops
// included) throws ConversionError or InputError naming the file and line, and no result file is
// replaced. Result files of crop numbers the crop file no longer has are named in a warning.
// The crops run on session.jobs threads; the files, the trace lines and the summaries' rows are
// the same, in the same order, for every number of threads, and the reporter is told only from
// the calling thread.
void EToETcAW(const RunParameters& run, Session& session);

}  // namespace kelvaro
