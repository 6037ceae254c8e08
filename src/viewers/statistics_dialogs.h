#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"

namespace kelvaro {

// One statistic the user can ask for: the file kind the statistics dialog opens, its caption,
// and the item of the "Select Statistics" list.
struct StatisticChoice {
  std::string_view ext;
  std::string_view caption;
  std::string_view list_item;
};

inline constexpr std::array<StatisticChoice, 6> kStatisticChoices{{
    {"avg", "Statistical Analysis - daily mean weather data by filename", "Daily Mean"},
    {"sdv", "Statistical Analysis - daily standard deviation weather data by filename",
     "Daily St Dev"},
    {"cov", "Statistical Analysis - daily CV weather data by filename", "Daily CV"},
    {"wxr", "Statistical Analysis - monthly mean weather data by filename", "Monthly Mean"},
    {"std", "Statistical Analysis - monthly standard deviation weather data by filename",
     "Monthly St Dev"},
    {"cve", "Statistical Analysis - monthly CV weather data by filename", "Monthly Cv"},
}};

inline constexpr std::string_view kStationLabel = "Input filename:";

// The statistics dialog: the name of a working daily file, whose six statistics files OK
// writes before it opens the chosen one in the spreadsheet. It stays open after a run.
class TGetSimulatedStationName {
 public:
  TGetSimulatedStationName(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  std::string Caption;
  FormField Station;
  std::string ext;  // the kind of the file OK opens
  WarningPanel Warning;

  // What the six commands of the Statistics menu do before they show the dialog.
  void Choose(const StatisticChoice& choice);
  void FormActivate();
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TGetSimulatedStationName); }

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

inline constexpr std::string_view kStatisticsPathCaption = "Statistical Analysis";
inline constexpr std::string_view kStatisticsPathHeading = "Select Statistics";

// The toolbar's "Statistics" chooser: one list of the six statistics.
class TStatisticsPath {
 public:
  TStatisticsPath(TGetSimulatedStationName& statistics_dialog, Navigator& navigator)
      : statistics_dialog_(statistics_dialog), navigator_(navigator) {}

  int StatisticsPathCombo = 0;  // selected item

  void FormActivate() { StatisticsPathCombo = 0; }
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TStatisticsPath); }

 private:
  TGetSimulatedStationName& statistics_dialog_;
  Navigator& navigator_;
};

}  // namespace kelvaro
