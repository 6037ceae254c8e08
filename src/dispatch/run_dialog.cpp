#include "dispatch/run_dialog.h"

#include <optional>

#include "dispatch/input_kinds.h"
#include "dispatch/station_line_values.h"
#include "dispatch/study_area_run.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"

namespace kelvaro {
namespace {

// Problems of the fields and names come before the row is selected: they leave the selection
// as it was.
bool BeforeTheRow(const RunProblem& problem) {
  switch (problem.check) {
    case RunCheck::kStationEmpty:
    case RunCheck::kLatitudeEmpty:
    case RunCheck::kLatitudeRange:
    case RunCheck::kElevationEmpty:
    case RunCheck::kElevationRange:
    case RunCheck::kSaEmpty:
    case RunCheck::kUnsafeStation:
    case RunCheck::kUnsafeSa:
      return true;
    case RunCheck::kNotANumber:
      return problem.field == RunField::kLatitude || problem.field == RunField::kElevation;
    default:
      return false;
  }
}

// Where the dialog's latitude and elevation came from, for the station line's warnings.
const FieldSources kTypedInTheDialog = {"in the dialog", "in the dialog"};

}  // namespace

void TGetData::SetExtension(std::string_view three_letters) {
  ext = std::string(three_letters);
  extention = std::string(kExtensionLabel) + ext;
}

void TGetData::FormActivate() {
  for (FormField* field : {&Station, &Latitude, &Elevation, &Years, &SA, &FetchVal}) {
    field->text.clear();
  }
  DataReady = "no";
  ExtCombo = 0;
  Warning.Clear();
  line_latitude_.clear();
  line_elevation_.clear();
}

std::string TGetData::TakeStationLine() {
  if (!line_latitude_.empty() && Latitude.text == line_latitude_) Latitude.text.clear();
  if (!line_elevation_.empty() && Elevation.text == line_elevation_) Elevation.text.clear();
  line_latitude_.clear();
  line_elevation_.clear();
  RunParameters run = Parameters();
  const auto line = StationLineOf(run, session_.data_dir);
  if (!line) return "";
  const StationLineFindings findings = CheckAgainstStationLine(*line, kTypedInTheDialog, run);
  if (Latitude.text.empty() && !run.Latitude.empty()) line_latitude_ = Latitude.text = run.Latitude;
  if (Elevation.text.empty() && !run.Elevation.empty()) {
    line_elevation_ = Elevation.text = run.Elevation;
  }
  return findings.note;
}

std::vector<std::string> TGetData::StationLineWarnings() const {
  RunParameters run = Parameters();
  const auto line = StationLineOf(run, session_.data_dir);
  if (!line) return {};
  return CheckAgainstStationLine(*line, kTypedInTheDialog, run).warnings;
}

void TGetData::ChoosePreset(const PresetStation& preset) {
  Station.text = preset.station;
  Latitude.text = preset.latitude;
  Elevation.text = preset.elevation;
  Years.text = kPresetYears;
}

RunParameters TGetData::Parameters() const {
  RunParameters run;
  run.Station = Station.text;
  run.Latitude = Latitude.text;
  run.Elevation = Elevation.text;
  run.SA = SA.text;
  run.Years = Years.text;
  run.FetchVal = FetchVal.text;
  run.ext = ext;
  run.DataReady = DataReady;
  return run;
}

void TGetData::Dispatch(const DispatchRow& row) {
  DataReady = "yes";
  RunResult& result = last_run_.emplace();
  result.parameters = Parameters();
  for (const std::string& warning : StationLineWarnings()) {
    session_.reporter.Warn(warning);
    result.warnings.push_back(warning);
  }
  RunCheckedChain(row, result, session_);
  if (result.status == RunResult::Status::kCancelled) {
    DataReady = "no";  // the dialog stays as it was, as after a refusal
    return;
  }
  ext = result.parameters.ext;
  navigator_.Close(Dialog::TGetData);
}

void TGetData::ButtonOKClick() {
  last_run_.reset();
  Warning.Clear();
  DataReady = "no";
  const auto index = ExtComboIndex(ext);
  const auto problems =
      CheckRun(Parameters(), kDispatchTable[static_cast<size_t>(index.value_or(ExtCombo))],
               session_.data_dir);
  if (index && (problems.empty() || !BeforeTheRow(problems.front()))) ExtCombo = *index;
  if (!problems.empty() && problems.front().check == RunCheck::kNotANumber) {
    throw ConversionError(problems.front().message);  // the run is abandoned
  }
  if (!problems.empty()) {
    Warning.Show();
    for (const RunProblem& problem : problems) {
      Warning.Add(problem.message);
      if (problem.check == RunCheck::kInputFile) {
        Warning.Add(InputFileLookedFor(Parameters(), ShownPath(session_.data_dir)));
      }
    }
  } else {
    Dispatch(kDispatchTable[static_cast<size_t>(ExtCombo)]);
  }
  if (DataReady == "yes") navigator_.Open(Dialog::TResultFiles);
}

}  // namespace kelvaro
