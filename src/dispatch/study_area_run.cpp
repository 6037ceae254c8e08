#include "dispatch/study_area_run.h"

#include "dispatch/field_texts.h"
#include "dispatch/input_kinds.h"
#include "dispatch/missing_values_report.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/run_record.h"
#include "weatherio/whole_years.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// Passes everything on to the front end and keeps the failures and warnings for the result.
class GatheringReporter : public ForwardingReporter {
 public:
  GatheringReporter(Reporter& to, RunResult& result) : ForwardingReporter(to), result_(result) {}
  void MessageBox(const std::string& text) override {
    result_.failures.push_back(text);
    ForwardingReporter::MessageBox(text);
  }
  void Warn(const std::string& text) override {
    result_.warnings.push_back(text);
    ForwardingReporter::Warn(text);
  }

 private:
  RunResult& result_;
};

RunParameters ParametersOf(const RunRequest& request, const InputKind& kind) {
  RunParameters run;
  run.Station = request.station;
  run.Latitude = request.latitude;
  run.Elevation = request.elevation;
  run.SA = request.sa;
  run.Years = request.years;
  run.FetchVal = request.fetch;
  run.ext = std::string(kind.ext);
  return run;
}

std::string InputFileName(const RunParameters& run) {
  return run.FileStem() + "." + run.Extension();
}

// The operations read the file named by the first five characters of the station.
void UseStationLine(const RunRequest& request, RunResult& result) {
  RunParameters& run = result.parameters;
  const auto line = StationLineOf(run, request.folder);
  if (!line) return;
  StationLineFindings findings = CheckAgainstStationLine(*line, request.sources, run);
  result.station_line_note = findings.note;
  result.warnings = std::move(findings.warnings);
}

// The dialog checks its fields before the input file. An unsafe station name, or a missing input
// file where the latitude or elevation was left out for its first line to give, is the cause of
// what is missing, so it is said first.
std::optional<RunProblem> InputFileProblem(const RunParameters& run, const fs::path& folder) {
  if (run.Station.empty()) return std::nullopt;
  if (!IsSafeName(run.Station)) {
    return RunProblem{RunField::kStation, RunCheck::kUnsafeStation,
                      std::string(kUnsafeStationMessage)};
  }
  if (!run.Latitude.empty() && !run.Elevation.empty()) return std::nullopt;
  std::error_code error;
  if (fs::exists(FindInFolder(folder, InputFileName(run)), error)) return std::nullopt;
  return RunProblem{RunField::kStation, RunCheck::kInputFile, std::string(kInvalidInputFile)};
}

std::vector<RunProblem> RequestProblems(const RunRequest& request, const RunResult& result,
                                        const std::optional<InputKind>& kind) {
  if (!kind) {
    return {{RunField::kInput, RunCheck::kUnknownInput,
             "'" + request.input + "' is not an input kind"}};
  }
  std::error_code error;
  if (!fs::is_directory(request.folder, error)) {
    return {{RunField::kFolder, RunCheck::kNoFolder,
             "The data folder " + request.folder.string() + " does not exist"}};
  }
  if (const auto problem = InputFileProblem(result.parameters, request.folder)) return {*problem};
  return CheckRun(result.parameters, DispatchRowOf(*kind), request.folder);
}

void NoteShortenedNumbers(const DispatchRow& row, const RunParameters& run, Reporter& reporter) {
  std::vector<std::pair<const char*, const std::string*>> used = {{"Latitude", &run.Latitude},
                                                                  {"Elevation", &run.Elevation}};
  if (row.needs_fetch) used.push_back({"Fetch", &run.FetchVal});
  for (const auto& [label, text] : used) {
    if (const auto note = ShortenedNumberNote(label, *text)) reporter.Warn(*note);
  }
}

// The yearly figures of a run are taken over every year of its working file; say which days it
// lacks values for and which years lack days. Returns the record's years.
std::optional<RecordYears> NoteTheRecord(const RunParameters& run, Session& session) {
  const std::string name = run.FileStem() + ".wrk";
  const auto record = ReadWorkingDailyFile(FindInFolder(session.ResultsFolder(), name));
  if (!record) return std::nullopt;
  for (const std::string& warning : MissingValueWarnings(*record)) session.reporter.Warn(warning);
  const RecordYears years = CountWholeYears(record->days);
  std::string partial;
  for (const std::string& line : PartialYearLines(name, years)) {
    partial += (partial.empty() ? "" : "\n") + line;
  }
  if (!partial.empty()) session.reporter.Warn(partial);
  return years;
}

// What the run's record lists as written, and the crops' figures.
void GatherResults(const fs::path& folder, RunResult& result) {
  const RunParameters& run = result.parameters;
  result.crops = ReadCropFigures(folder, run.SA5());
  const std::string name = RunRecordName(run.SA5(), run.FileStem());
  for (const RunRecord& record : ReadRunRecords(folder)) {
    if (!EqualsIgnoringCase(record.name, name)) continue;
    for (const RunRecord::File& file : record.outputs) result.files_written.push_back(file.name);
  }
}

// The session of one run, reporting through `to`, with the random state of `state`.
Session SessionReportingTo(const Session& state, Reporter& to) {
  Session session(state.data_dir, to);
  session.global_pi = state.global_pi;
  session.random_seed = state.random_seed;
  session.residuals = state.residuals;
  session.jobs = state.jobs;
  session.wait_for_folder = state.wait_for_folder;
  return session;
}

void KeepRandomState(const Session& from, Session& to) {
  to.global_pi = from.global_pi;
  to.random_seed = from.random_seed;
  to.residuals = from.residuals;
}

}  // namespace

std::optional<RecordYears> RunCheckedChain(const DispatchRow& row, RunParameters& run,
                                           Session& session) {
  NoteShortenedNumbers(row, run, session.reporter);
  RunChain(row, run, session);
  return NoteTheRecord(run, session);
}

void RunCheckedChain(const DispatchRow& row, RunResult& result, Session& session) {
  GatheringReporter gathering(session.reporter, result);
  Session run = SessionReportingTo(session, gathering);
  try {
    result.record_years = RunCheckedChain(row, result.parameters, run);
    KeepRandomState(run, session);
  } catch (const RunCancelled& cancelled) {
    result.status = RunResult::Status::kCancelled;
    result.error = cancelled.what();
    return;
  } catch (const std::exception& error) {
    result.status = RunResult::Status::kFailed;
    result.error = error.what();
    throw;
  }
  result.status = result.failures.empty() ? RunResult::Status::kDone : RunResult::Status::kFailed;
  if (result.status == RunResult::Status::kDone) GatherResults(session.data_dir, result);
}

RunResult CheckRequest(const RunRequest& request) {
  RunResult result;
  const auto kind = FindInputKind(request.input);
  if (kind) {
    result.parameters = ParametersOf(request, *kind);
    UseStationLine(request, result);
  }
  result.problems = RequestProblems(request, result, kind);
  result.status = result.problems.empty() ? RunResult::Status::kReady : RunResult::Status::kRefused;
  return result;
}

void RunChecked(const RunRequest& request, RunResult& result, Reporter& feedback) {
  GatheringReporter gathering(feedback, result);
  Session session(request.folder, gathering);
  session.jobs = request.jobs;
  session.wait_for_folder = request.wait_for_folder;
  try {
    result.record_years =
        RunCheckedChain(DispatchRowOf(*FindInputKind(request.input)), result.parameters, session);
    result.status = result.failures.empty() ? RunResult::Status::kDone : RunResult::Status::kFailed;
    if (result.status == RunResult::Status::kDone) GatherResults(request.folder, result);
  } catch (const FolderRefusal&) {
    throw;
  } catch (const RunCancelled& cancelled) {
    result.status = RunResult::Status::kCancelled;
    result.error = cancelled.what();
  } catch (const std::exception& error) {
    result.status = RunResult::Status::kFailed;
    result.error = error.what();
  }
}

RunResult RunStudyArea(const RunRequest& request, Reporter& feedback) {
  RunResult result = CheckRequest(request);
  for (const std::string& warning : result.warnings) feedback.Warn(warning);
  if (result.status == RunResult::Status::kReady) RunChecked(request, result, feedback);
  return result;
}

}  // namespace kelvaro
