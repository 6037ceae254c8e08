#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bindings.h"
#include "dispatch/study_area_run.h"
#include "weatherio/errors.h"

namespace py = pybind11;

namespace kelvaro::python {
namespace {

// RunField and RunCheck as Python names them, in the enums' order.
constexpr std::array kFieldNames{"input",     "folder", "station", "latitude",
                                 "elevation", "sa",     "years",   "fetch"};
constexpr std::array kCheckNames{"unknown_input",   "no_folder",
                                 "station_empty",   "latitude_empty",
                                 "latitude_range",  "elevation_empty",
                                 "elevation_range", "sa_empty",
                                 "unsafe_station",  "unsafe_sa",
                                 "years_empty",     "years_too_few",
                                 "years_too_many",  "years_read_differently",
                                 "fetch_empty",     "fetch_range",
                                 "input_file",      "sa_number",
                                 "sa_file",         "not_a_number"};
constexpr std::array kStatusNames{"ready", "done", "refused", "failed", "cancelled"};

// Everything the run tells goes into its result (failures, warnings); the trace lines are kept.
class QuietReporter : public Reporter {
 public:
  void MessageBox(const std::string&) override {}
  void Trace(const std::string& line) override { traces.push_back(line); }
  void Warn(const std::string&) override {}
  std::vector<std::string> traces;
};

struct Problem {
  std::string field, check, message;
};

struct CropSummary {
  std::string name;
  std::optional<std::array<float, 4>> annual;  // CETc, CEr, ETAW, AETAW
  std::vector<float> monthly_etaw;
};

struct RunOutcome {
  std::string status;
  std::string station, sa5, latitude, elevation;
  std::vector<Problem> problems;
  std::string station_line_note;
  std::vector<std::string> warnings, failures, traces;
  std::optional<std::string> error;
  std::vector<CropSummary> crops;
  std::vector<std::string> files_written;
};

RunOutcome OutcomeOf(const RunResult& result, std::vector<std::string> traces) {
  RunOutcome outcome;
  outcome.status = kStatusNames[static_cast<size_t>(result.status)];
  outcome.station = result.parameters.Station;
  outcome.sa5 = result.status == RunResult::Status::kRefused ? "" : result.parameters.SA5();
  outcome.latitude = result.parameters.Latitude;
  outcome.elevation = result.parameters.Elevation;
  for (const RunProblem& problem : result.problems) {
    outcome.problems.push_back({kFieldNames[static_cast<size_t>(problem.field)],
                                kCheckNames[static_cast<size_t>(problem.check)], problem.message});
  }
  outcome.station_line_note = result.station_line_note;
  outcome.warnings = result.warnings;
  outcome.failures = result.failures;
  outcome.traces = std::move(traces);
  outcome.error = result.error;
  for (const CropFigures& crop : result.crops) {
    outcome.crops.push_back({crop.name, crop.annual, crop.monthly_etaw});
  }
  outcome.files_written = result.files_written;
  return outcome;
}

RunOutcome RunInFolder(const RunRequest& request) {
  QuietReporter reporter;
  RunResult result;
  std::optional<std::string> busy;
  {
    py::gil_scoped_release release;
    result = CheckRequest(request);
    if (result.status == RunResult::Status::kReady) {
      try {
        RunChecked(request, result, reporter);
      } catch (const FolderRefusal& refusal) {
        busy = refusal.what();
      }
    }
  }
  RunOutcome outcome = OutcomeOf(result, std::move(reporter.traces));
  if (busy) {  // another command holds the folder: refused before anything in it changed
    outcome.status = "refused";
    outcome.problems = {{"folder", "folder_busy", *busy}};
  }
  return outcome;
}

RunOutcome Run(const std::filesystem::path& folder, const std::string& input,
               const std::string& station, const std::string& sa, const std::string& latitude,
               const std::string& elevation, const std::string& years, const std::string& fetch,
               int jobs, bool wait_for_folder) {
  RunRequest request;
  request.folder = folder;
  request.input = input;
  request.station = station;
  request.sa = sa;
  request.latitude = latitude;
  request.elevation = elevation;
  request.years = years;
  request.fetch = fetch;
  request.jobs = jobs;
  request.wait_for_folder = wait_for_folder;
  return RunInFolder(request);
}

template <typename T, typename Member>
void ReadOnly(py::class_<T>& type, const char* name, Member member, const char* doc) {
  type.def_readonly(name, member, doc);
}

}  // namespace

void AddRuns(py::module_& module) {
  py::class_<Problem> problem(module, "Problem", "Why a run was refused.");
  ReadOnly(problem, "field", &Problem::field,
           "The field refused: input, folder, station, latitude, elevation, sa, years or fetch.");
  ReadOnly(problem, "check", &Problem::check,
           "Which check refused it, e.g. 'latitude_range', or 'folder_busy'.");
  ReadOnly(problem, "message", &Problem::message, "The run dialog's text.");
  problem.def("__repr__", [](const Problem& p) {
    return "Problem(field='" + p.field + "', message='" + p.message + "')";
  });

  py::class_<CropSummary> crop(module, "CropSummary", "What a run gives for one crop.");
  ReadOnly(crop, "name", &CropSummary::name, "The crop's name.");
  ReadOnly(crop, "annual", &CropSummary::annual,
           "Mean year's in-season CETc, CEr, ETAW and whole-year AETAW (mm), or None.");
  ReadOnly(crop, "monthly_etaw", &CropSummary::monthly_etaw,
           "ETAW (mm) of January to December, then of the year.");

  py::class_<RunOutcome> outcome(module, "RunOutcome", "What a run of a study area did.");
  ReadOnly(outcome, "status", &RunOutcome::status, "'done', 'refused', 'failed' or 'cancelled'.");
  ReadOnly(outcome, "station", &RunOutcome::station, "The station (input file name).");
  ReadOnly(outcome, "sa5", &RunOutcome::sa5, "The five-digit study-area number.");
  ReadOnly(outcome, "latitude", &RunOutcome::latitude, "Latitude as run (text).");
  ReadOnly(outcome, "elevation", &RunOutcome::elevation, "Elevation as run (text).");
  ReadOnly(outcome, "problems", &RunOutcome::problems, "Why the run was refused.");
  ReadOnly(outcome, "station_line_note", &RunOutcome::station_line_note,
           "The values taken from the input file's station line.");
  ReadOnly(outcome, "warnings", &RunOutcome::warnings, "Notices of a run not refused.");
  ReadOnly(outcome, "failures", &RunOutcome::failures, "The operations' failure messages.");
  ReadOnly(outcome, "traces", &RunOutcome::traces, "The operations' trace lines.");
  ReadOnly(outcome, "error", &RunOutcome::error, "What ended the run early, if anything.");
  ReadOnly(outcome, "crops", &RunOutcome::crops, "Per-crop summary of a run that was done.");
  ReadOnly(outcome, "files_written", &RunOutcome::files_written, "Files the run wrote.");
  outcome.def("__repr__", [](const RunOutcome& o) {
    return "RunOutcome(status='" + o.status + "', station='" + o.station + "', sa5='" + o.sa5 +
           "', crops=" + std::to_string(o.crops.size()) +
           ", files_written=" + std::to_string(o.files_written.size()) + ")";
  });

  module.def("run_study_area", &Run, py::arg("folder"), py::arg("input"), py::arg("station"),
             py::arg("sa"), py::arg("latitude"), py::arg("elevation"), py::arg("years"),
             py::arg("fetch"), py::arg("jobs"), py::arg("wait_for_folder"),
             "Checks and runs a study area; never raises for a refusal (see the outcome).");
}

}  // namespace kelvaro::python
