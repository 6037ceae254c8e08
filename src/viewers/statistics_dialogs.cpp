#include "viewers/statistics_dialogs.h"

#include "office/office_calls.h"
#include "viewers/statistics_call.h"
#include "viewers/study_area_files.h"

namespace kelvaro {

void TGetSimulatedStationName::Choose(const StatisticChoice& choice) {
  ext = choice.ext;
  Caption = choice.caption;
}

void TGetSimulatedStationName::FormActivate() {
  Station.text.clear();
  Warning.Clear();
}

void TGetSimulatedStationName::ButtonOKClick() {
  const FileOutcome outcome = MakeStatistics({Station.text, ext}, session_);
  if (!outcome.found()) {
    Warning.Clear();
    ShowProblems(outcome.problems, Warning);
    return;
  }
  OpenInSpreadsheet(ExcelApplication1, *outcome.file, session_.reporter);
}

void TStatisticsPath::ButtonOKClick() {
  const bool known =
      StatisticsPathCombo >= 0 && StatisticsPathCombo < static_cast<int>(kStatisticChoices.size());
  statistics_dialog_.Choose(
      kStatisticChoices[static_cast<size_t>(known ? StatisticsPathCombo : 0)]);
  navigator_.Open(Dialog::TGetSimulatedStationName);
  navigator_.Close(Dialog::TStatisticsPath);
}

}  // namespace kelvaro
