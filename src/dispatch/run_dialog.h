#pragma once

#include <optional>
#include <string>
#include <string_view>

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

  RunParameters Parameters() const;
  // What the last OK that started a run gave; none when the last OK was refused before.
  const std::optional<RunResult>& LastRun() const { return last_run_; }

 private:
  void Dispatch(const DispatchRow& row);

  Session& session_;
  Navigator& navigator_;
  std::optional<RunResult> last_run_;
};

}  // namespace kelvaro
