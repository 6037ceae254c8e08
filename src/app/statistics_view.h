#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "app/bound_field.h"
#include "viewers/statistics_dialogs.h"

namespace kelvaro::app {

class AppMemory;

// TGetSimulatedStationName: the name of a working daily file whose statistics OK computes and
// opens in the spreadsheet. It stays open after a run for the next file. Ours beside OK: the same
// statistics shown in the program's table window, and the chart of the daily statistics.
class StatisticsView : public QDialog {
  Q_OBJECT

 public:
  using Runner = std::function<void(const std::function<void()>&)>;
  // `run` runs OK off the user-interface thread, behind the progress dialog; `as_table` runs it
  // with the file shown as a table; `chart` draws the daily statistics of a station.
  StatisticsView(TGetSimulatedStationName& model, Runner run, Runner as_table,
                 std::function<void(const QString&)> chart, QWidget* parent);

  // Where the names of the files whose statistics were computed are remembered and offered.
  void SetMemory(AppMemory* memory) { memory_ = memory; }
  void Activate();
  void Pull();
  QLineEdit* station() const { return station_->edit(); }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  void Remember();

  TGetSimulatedStationName& model_;
  Runner run_;
  Runner as_table_;
  std::function<void(const QString&)> chart_;
  std::unique_ptr<BoundField> station_;
  QPlainTextEdit* warning_;
  AppMemory* memory_ = nullptr;
};

}  // namespace kelvaro::app
