#include "viewers/statistics_dialogs.h"

#include "office/office_calls.h"
#include "stats/weather_statistics.h"
#include "weatherio/file_naming.h"

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
  if (!WeatherStatistics(Station.text, session_)) {
    Warning.Clear();
    Warning.Add(std::string(kInvalidInputFileName));
    Warning.Show();
    return;
  }
  OpenInSpreadsheet(ExcelApplication1, FindInFolder(session_.data_dir, Station.text + "." + ext),
                    session_.reporter);
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
