#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch/dispatch_table.h"
#include "dispatch/preset_stations.h"
#include "dispatch/run_checks.h"
#include "dispatch/study_area_run.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

inline constexpr std::string_view kRunDialogCaption = "GetData";
inline constexpr std::string_view kExtensionLabel = "Your input file extension is: ";

// Labels of the run dialog's fields, in the dialog's order.
inline constexpr std::string_view kInputFilenameLabel = "Input filename:";
inline constexpr std::string_view kLatitudeLabel = "Latitude (degrees):";
inline constexpr std::string_view kElevationLabel = "Elevation (meters):";
inline constexpr std::string_view kSaNumberLabel = kSaNumberCaption;
inline constexpr std::string_view kYearsLabel = "Years to simulate:";
inline constexpr std::string_view kFetchLabel = "Fetch (1-1000 m):";

// The most years a run may simulate: the generators read the first two characters of Years.
inline constexpr int kMaxYears = 99;

// The run dialog: the run parameters as typed, their checks and the dispatch of a run.
class TGetData {
 public:
  TGetData(Session& session, Navigator& navigator) : session_(session), navigator_(navigator) {}

  FormField Station;
  FormField Latitude;
  FormField Elevation;
  FormField SA;
  FormField Years;
  FormField FetchVal;
  std::string ext;
  std::string extention;  // the label showing the extension
  std::string DataReady = "no";
  WarningPanel Warning;
  int ExtCombo = 0;  // selected item of the hidden extension list

  // What the path dialogs do: ext and its label.
  void SetExtension(std::string_view three_letters);

  void FormActivate();
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TGetData); }
  // A station of the "Hydrologic Regions" menu.
  void ChoosePreset(const PresetStation& preset);
  // Latitude and elevation from the first line of the station's input file in the data folder,
  // for the fields left empty or filled from a station line before. What was taken, in words
  // ("Using the latitude 33.07 from the first line of MARIC.day"); empty when nothing was.
  std::string TakeStationLine();
  // The typed latitude and elevation that differ from the input file's station line, one
  // warning each, in the words of the command line's run.
  std::vector<std::string> StationLineWarnings() const;

  RunParameters Parameters() const;
  // What the last OK that started a run gave; none when the last OK was refused before.
  const std::optional<RunResult>& LastRun() const { return last_run_; }

 private:
  void Dispatch(const DispatchRow& row);

  Session& session_;
  Navigator& navigator_;
  std::optional<RunResult> last_run_;
  // What TakeStationLine put into the fields, so that another station replaces it.
  std::string line_latitude_;
  std::string line_elevation_;
};

}  // namespace kelvaro
