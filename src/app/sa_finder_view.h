#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>

#include "app/bound_field.h"
#include "viewers/result_finders.h"

namespace kelvaro::app {

class AppMemory;

// The dialogs that find a study area's result or crop file by its SA number (and crop) and open
// it in the spreadsheet: every variant of the finder model, its crop list shown when the variant
// has one.
class SaFinderView : public QDialog {
  Q_OBJECT

 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  // `run` runs OK off the user-interface thread, behind the progress dialog; `as_table` runs it
  // with the file shown in the table window ("Show as Table").
  SaFinderView(const QString& name, TResultFinder& model, Runner as_table, Runner run,
               QWidget* parent);

  // Where the SA numbers found are remembered and offered again; none by default.
  void SetMemory(AppMemory* memory) { memory_ = memory; }
  void Activate();
  void Pull();
  QLineEdit* sa() const { return sa_->edit(); }
  QComboBox* crops() const { return crops_; }
  QLabel* sa_label() const { return sa_label_; }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  void Remember();

  TResultFinder& model_;
  Runner as_table_;
  Runner run_;
  QLabel* sa_label_;
  std::unique_ptr<BoundField> sa_;
  QLabel* crops_label_ = nullptr;
  QComboBox* crops_ = nullptr;
  QPlainTextEdit* warning_;
  AppMemory* memory_ = nullptr;
};

}  // namespace kelvaro::app
