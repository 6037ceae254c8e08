#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "app/bound_field.h"
#include "viewers/output_files.h"

namespace kelvaro::app {

// TOutputFiles: a file kind, a working file name or SA number and crop, and "View in Excel".
// It stays open so that several files can be viewed in turn.
class OutputFilesView : public QDialog {
  Q_OBJECT

 public:
  using Runner = std::function<void(const std::function<void()>&)>;
  // `run` runs a button's work off the user-interface thread; `as_table` runs "View in Excel"
  // with the file shown in the program's table window instead.
  OutputFilesView(TOutputFiles& model, Runner run, Runner as_table, QWidget* parent);

  void Activate();
  void Pull();
  QComboBox* kinds() const { return kinds_; }
  QLineEdit* station() const { return station_->edit(); }
  QLabel* city() const { return city_; }
  QComboBox* crops() const { return crops_; }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  TOutputFiles& model_;
  Runner run_;
  Runner as_table_;
  QComboBox* kinds_;
  QLabel* city_;
  std::unique_ptr<BoundField> station_;
  QLabel* crops_label_;
  QComboBox* crops_;
  QPlainTextEdit* warning_;
};

// TResultFiles: the notice a run shows when it has written its files; "View" opens the output
// viewer.
class ResultFilesView : public QDialog {
  Q_OBJECT

 public:
  ResultFilesView(TResultFiles& model, QWidget* parent);

  void Activate();
};

}  // namespace kelvaro::app
