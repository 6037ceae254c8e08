#include "dispatch/run_dialog.h"

#include <fstream>
#include <utility>
#include <vector>

#include "dispatch/field_texts.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/whole_years.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

// Bounds are exclusive: a value on a bound is refused and gets the range message too.
bool LatitudeInRange(const std::string& text) {
  const float latitude = UsedNumber("Latitude", text);
  return latitude < 90 && latitude > -90;
}

bool ElevationInRange(const std::string& text) {
  const float elevation = UsedNumber("Elevation", text);
  return elevation < 4000 && elevation > -200;
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

bool TGetData::FieldsPass() const {
  return !Station.text.empty() && !Latitude.text.empty() && LatitudeInRange(Latitude.text) &&
         !Elevation.text.empty() && ElevationInRange(Elevation.text) && !SA.text.empty();
}

void TGetData::AddFieldMessages() {
  Warning.Show();
  if (Station.text.empty()) Warning.Add("Enter the station name");
  if (Latitude.text.empty()) {
    Warning.Add("Enter the latitude in degrees");
  } else if (!LatitudeInRange(Latitude.text)) {
    Warning.Add("Latitude should be between -90 and 90 degrees");
  }
  if (Elevation.text.empty()) {
    Warning.Add("Enter the elevation in meters");
  } else if (!ElevationInRange(Elevation.text)) {
    Warning.Add("Elevation should be between -200 and 4000 meters");
  }
  if (SA.text.empty()) Warning.Add("Enter the SA number");
}

// File names are built from the station and SA texts; refuse any that could leave the folder.
bool TGetData::NamesAreSafe() {
  if (!IsSafeName(Station.text)) {
    Warning.Add(std::string(kUnsafeStationMessage));
  }
  if (!IsSafeName(SA.text)) {
    Warning.Add("The SA number may not contain a path separator, '..' or a control character");
  }
  if (Warning.lines.empty()) return true;
  Warning.Show();
  return false;
}

bool TGetData::FileCanBeOpened(const std::string& file_name) const {
  const auto path = FindInFolder(session_.data_dir, file_name);
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && std::ifstream(path).is_open();
}

bool TGetData::RowChecksPass(const DispatchRow& row) {
  const RunParameters run = Parameters();
  if (row.needs_years && row.needs_fetch && (Years.text.empty() || FetchVal.text.empty())) {
    if (Years.text.empty()) Warning.Add("Enter number of years for simulation");
    if (FetchVal.text.empty()) Warning.Add("Enter a fetch value");
  } else if (row.needs_years && Years.text.empty()) {
    Warning.Add("Enter number of years for simulation");
  } else if (row.needs_years && ParseInt(Years.text) < 2) {
    Warning.Add("Number of years should be larger than 1");
  } else if (row.needs_years && ParseInt(Years.text) > kMaxYears) {
    // The generators read two characters of Years: 120 would quietly simulate 12 years.
    Warning.Add("Number of years should be at most 99");
  } else if (const auto years = row.needs_years ? YearsReadDifferently(Years.text) : std::nullopt) {
    Warning.Add(*years);
  } else if (row.needs_fetch && FetchVal.text.empty()) {
    Warning.Add("Enter a fetch value");
  } else if (row.needs_fetch && !FetchInRange(FetchVal.text)) {
    Warning.Add(std::string(kFetchRangeMessage));
  } else if (!FileCanBeOpened(run.FileStem() + "." + run.Extension())) {
    Warning.Add("An invalid input filename");
  } else if (!IsStudyAreaNumber(SA.text)) {
    Warning.Add(std::string(kSaNumberFormMessage));
  } else if (!FileCanBeOpened(run.SAFileName())) {
    Warning.Add("An invalid SA number");
  }
  if (Warning.lines.empty()) return true;
  Warning.Show();
  return false;
}

// A number typed with more characters than the operations read is used shortened; say so.
void TGetData::NoteShortenedNumbers(const DispatchRow& row) const {
  std::vector<std::pair<const char*, const FormField*>> used = {{"Latitude", &Latitude},
                                                                {"Elevation", &Elevation}};
  if (row.needs_fetch) used.push_back({"Fetch", &FetchVal});
  for (const auto& [label, field] : used) {
    if (const auto note = ShortenedNumberNote(label, field->text)) session_.reporter.Warn(*note);
  }
}

// The yearly figures of a run are taken over every year of its working file; say which of them
// lack days.
void TGetData::NotePartialYears(const RunParameters& run) const {
  const std::string name = run.FileStem() + ".wrk";
  const auto record = ReadWorkingDailyFile(FindInFolder(session_.ResultsFolder(), name));
  if (!record) return;
  const auto lines = PartialYearLines(name, CountWholeYears(record->days));
  std::string notice;
  for (const std::string& line : lines) notice += (notice.empty() ? "" : "\n") + line;
  if (!notice.empty()) session_.reporter.Warn(notice);
}

void TGetData::Dispatch(const DispatchRow& row) {
  NoteShortenedNumbers(row);
  DataReady = "yes";
  RunParameters run = Parameters();
  RunChain(row, run, session_);
  NotePartialYears(run);
  ext = run.ext;
  navigator_.Close(Dialog::TGetData);
}

void TGetData::ButtonOKClick() {
  Warning.Clear();
  DataReady = "no";
  if (!FieldsPass()) {
    AddFieldMessages();
  } else if (NamesAreSafe()) {
    if (const auto index = ExtComboIndex(ext)) ExtCombo = *index;
    const DispatchRow& row = kDispatchTable[static_cast<size_t>(ExtCombo)];
    if (RowChecksPass(row)) Dispatch(row);
  }
  if (DataReady == "yes") navigator_.Open(Dialog::TResultFiles);
}

}  // namespace kelvaro
