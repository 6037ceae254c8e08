#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/combo_box.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "viewers/file_outcome.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

inline constexpr std::string_view kOutputFilesCaption = "Output Files";
inline constexpr std::string_view kOutputFilesHeader = "View the created files by file extensions";
inline constexpr std::string_view kWeatherFileLabel = "Weather data file name:";
inline constexpr std::string_view kViewerSaLabel = kSaNumberCaption;
inline constexpr std::string_view kUseViewInWord = "Use View in Word Button";

// One kind of the output viewer: the label of its name field and whether it lists crops.
struct OutputKind {
  std::string_view ext;
  std::string_view label;
  bool per_crop;
};

inline constexpr std::array<OutputKind, 6> kOutputKinds{{
    {"wrk", kWeatherFileLabel, false},
    {"msw", kWeatherFileLabel, false},
    {"mse", kViewerSaLabel, true},
    {"csv", kViewerSaLabel, true},
    {"mtv", kViewerSaLabel, true},
    {"eaw", kViewerSaLabel, true},
}};

// The file "View in Excel" opens for a kind (the name built as the viewer builds it, with "c"
// before the crop number; "mse" is the daily file's whole name + ".nor").
std::string OutputFileName(std::string_view ext, const std::string& station, int crop_index);

// The output viewer: a kind, a working file name or SA number and crop, and "View in Excel". For
// "msw" and "mse" the file is computed first (the daily means of a working file; the normal year
// of a crop). It stays open so that several files can be viewed; only "Exit" closes it.
class TOutputFiles {
 public:
  TOutputFiles(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  std::string City = std::string(kWeatherFileLabel);  // the label of Station
  FormField Station;
  std::string ext;
  ComboBox FileTypeCombo{{"wrk", "msw", "mse", "csv", "mtv", "eaw"}, 0, true};
  ComboBox CropItemCombo;  // Label2 "Crop Item:" follows it
  WarningPanel Warning;

  void FormActivate();
  void FileTypeComboChange(int index);
  void StationChange();
  void ButtonViewExcelClick();
  void ButtonCloseExcelClick() { ExcelApplication1.Quit(); }
  void ButtonCancelClick() { navigator_.Close(Dialog::TOutputFiles); }

 private:
  const OutputKind& SelectedKind() const;
  void ViewDailyMeans();
  void ViewNormalYear();
  void Show(const FileOutcome& outcome);
  void Open(const std::string& file_name);

  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

inline constexpr std::string_view kResultFilesCaption = "ResultFiles";
inline constexpr std::string_view kResultFilesCreated =
    "All the output files have been created in your directory";
inline constexpr std::string_view kResultFilesHint =
    "To view the ETo, ETc, and ETAW files by SA, click the View button, otherwise click the Exit "
    "button";

// The notice the run dialog opens after a run has written its files.
class TResultFiles {
 public:
  explicit TResultFiles(Navigator& navigator) : navigator_(navigator) {}

  void ButtonViewClick();
  void ButtonExitClick() { navigator_.Close(Dialog::TResultFiles); }

 private:
  Navigator& navigator_;
};

}  // namespace kelvaro
