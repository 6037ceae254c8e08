#include "dispatch/run_dialog.h"

#include "dispatch/study_area_run.h"
#include "weatherio/errors.h"

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
    for (const RunProblem& problem : problems) Warning.Add(problem.message);
  } else {
    Dispatch(kDispatchTable[static_cast<size_t>(ExtCombo)]);
  }
  if (DataReady == "yes") navigator_.Open(Dialog::TResultFiles);
}

}  // namespace kelvaro
