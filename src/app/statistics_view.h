#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "app/bound_field.h"
#include "viewers/statistics_dialogs.h"

namespace kelvaro::app {

// TGetSimulatedStationName: the name of a working daily file whose statistics OK computes and
// opens in the spreadsheet. It stays open after a run for the next file.
class StatisticsView : public QDialog {
  Q_OBJECT

 public:
  // `run` runs OK off the user-interface thread, behind the progress dialog.
  StatisticsView(TGetSimulatedStationName& model,
                 std::function<void(const std::function<void()>&)> run, QWidget* parent);

  void Activate();
  void Pull();
  QLineEdit* station() const { return station_->edit(); }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  TGetSimulatedStationName& model_;
  std::function<void(const std::function<void()>&)> run_;
  std::unique_ptr<BoundField> station_;
  QPlainTextEdit* warning_;
};

}  // namespace kelvaro::app
