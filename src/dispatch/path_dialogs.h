#pragma once

#include <array>
#include <string_view>

#include "dispatch/run_dialog.h"
#include "forms/navigator.h"

namespace kelvaro {

enum class Visibility { kShow, kHide, kLeave };

// One item of a path dialog's combo box and what OK does with it: set the extension (unless
// empty), show or hide Years and FetchVal, and open the next dialog.
struct PathChoice {
  std::string_view item;
  std::string_view ext;
  Visibility years = Visibility::kLeave;
  Visibility fetch = Visibility::kLeave;
  Dialog opens = Dialog::TGetData;
};

struct PathDialogLayout {
  Dialog id;
  std::string_view caption;
  std::array<PathChoice, 2> choices;
};

inline constexpr std::array<PathDialogLayout, 6> kPathDialogs{{
    {Dialog::TAnalysisPath,
     "Weather Analysis Path",
     {{{"Simulated-Weather", "", Visibility::kLeave, Visibility::kLeave, Dialog::TTimeInterval},
       {"Non-Simulated", "day", Visibility::kHide, Visibility::kHide, Dialog::TGetData}}}},
    {Dialog::TTimeInterval,
     "Time Interval",
     {{{"Daily data", "dmn", Visibility::kShow, Visibility::kHide, Dialog::TGetData},
       {"Monthly average data", "mon", Visibility::kShow, Visibility::kHide, Dialog::TGetData}}}},
    {Dialog::TPanAnalysisPath,
     "Pan Analysis Path",
     {{{"Simulated-ETo", "mpn", Visibility::kShow, Visibility::kShow, Dialog::TGetData},
       {"Non-Simulated", "dpn", Visibility::kHide, Visibility::kShow, Dialog::TGetData}}}},
    {Dialog::TEToAnalysisPath,
     "ETo Analysis Path",
     {{{"Simulated-ETo", "etm", Visibility::kShow, Visibility::kHide, Dialog::TGetData},
       {"Non-Simulated", "det", Visibility::kHide, Visibility::kLeave, Dialog::TGetData}}}},
    {Dialog::TTempAnalysisPath,
     "Temperature Analysis Path",
     {{{"Simulated-ETo", "", Visibility::kLeave, Visibility::kLeave, Dialog::TTempTimeInterval},
       {"Non-Simulated", "rtm", Visibility::kHide, Visibility::kHide, Dialog::TGetData}}}},
    {Dialog::TTempTimeInterval,
     "Time Interval",
     {{{"Daily data", "dtm", Visibility::kShow, Visibility::kHide, Dialog::TGetData},
       {"Monthly average data", "mtm", Visibility::kShow, Visibility::kHide, Dialog::TGetData}}}},
}};

// A path dialog: one combo box that fixes the input kind, OK and Cancel.
class PathDialog {
 public:
  // `id` must be one of the dialogs of kPathDialogs.
  PathDialog(Dialog id, TGetData& run_dialog, Navigator& navigator);

  std::string_view Caption() const { return layout_.caption; }
  const std::array<PathChoice, 2>& Items() const { return layout_.choices; }

  int selected = 0;

  void FormActivate() { selected = 0; }
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(layout_.id); }

 private:
  const PathDialogLayout& layout_;
  TGetData& run_dialog_;
  Navigator& navigator_;
};

}  // namespace kelvaro
