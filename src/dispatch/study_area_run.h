#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/crop_figures.h"
#include "dispatch/dispatch_table.h"
#include "dispatch/run_checks.h"
#include "dispatch/station_line_values.h"
#include "session/reporter.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/whole_years.h"

namespace kelvaro {

// A run of a study area as every front end asks for it: the input kind, the run dialog's texts
// as typed, where the files are and how many threads the crops may use.
struct RunRequest {
  std::string input;  // the kind: the input file's extension
  std::string station;
  std::string latitude;   // empty: the input file's station line gives it
  std::string elevation;  // empty: likewise
  std::string sa;
  std::string years;
  std::string fetch;
  std::filesystem::path folder = ".";
  int jobs = 0;
  bool wait_for_folder = false;  // wait for another run of the folder instead of refusing
  // What the front end calls the source of a typed latitude or elevation, for the warnings.
  FieldSources sources = {"latitude", "elevation"};
};

struct RunResult {
  enum class Status { kReady, kDone, kRefused, kFailed, kCancelled };
  Status status = Status::kRefused;
  RunParameters parameters;           // as run, latitude and elevation filled in
  std::vector<RunProblem> problems;   // why the run was refused, in the dialog's order
  std::string station_line_note;      // the values taken from the station line, if any
  std::vector<std::string> failures;  // the operations' failure messages
  std::optional<std::string> error;   // what ended the run before its end, if anything
  std::vector<std::string> warnings;  // notices of a run that was not refused
  // Of a run that was done: the figures of every crop and the files it wrote.
  std::vector<CropFigures> crops;
  std::vector<std::string> files_written;
  // The whole and partial years of the run's working file, when it could be read.
  std::optional<RecordYears> record_years;
};

// Checks a request as the run dialog does, after taking a latitude or elevation left out from
// the input file's station line (and warning of typed values that differ from it). A missing
// input file or an unsafe station name is the cause of what else is missing, so it comes
// alone. Kind kReady, or kRefused with the problems.
RunResult CheckRequest(const RunRequest& request);

// Runs a request CheckRequest found ready: the chain of its kind, gathering what happened into
// `result`. Progress, trace lines, failures and further warnings also go to `feedback` as they
// happen; its CancelRequested stops the run between operations and between crops, leaving the
// folder as it was. Throws FolderRefusal when another run holds the folder.
void RunChecked(const RunRequest& request, RunResult& result, Reporter& feedback);

// Both, for front ends that show everything through `feedback`: the station line's warnings go
// to it before the run.
RunResult RunStudyArea(const RunRequest& request, Reporter& feedback);

// The chain of a checked run, with what every run reports on top of the chain's own messages:
// numbers used shortened, then after the chain the days without ETo or rain, the months without
// ETo and the years that lack days of its working file, all as warnings of `session`. Returns the
// years of that working file, when it could be read.
std::optional<RecordYears> RunCheckedChain(const DispatchRow& row, RunParameters& run,
                                           Session& session);

// The chain of a checked run in a session the front end keeps from one run to the next (the
// desktop program's): gathers into `result` what RunChecked gathers, and the session's random
// state goes on to the next run. A cancelled run ends with status kCancelled; any other error
// is noted in `result` and thrown on.
void RunCheckedChain(const DispatchRow& row, RunResult& result, Session& session);

}  // namespace kelvaro
