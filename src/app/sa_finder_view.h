#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>

#include "app/bound_field.h"
#include "forms/combo_box.h"
#include "forms/form_field.h"
#include "forms/warning_panel.h"

namespace kelvaro::app {

// The parts of a finder model the view shows: an SA number (or a file name), an optional crop
// list, the warning lines, and what activation, a change of the SA text, OK and Cancel do.
struct SaFinderBinding {
  const std::string* caption = nullptr;
  const std::string* sa_label = nullptr;
  FormField* sa = nullptr;
  ComboBox* crops = nullptr;  // nullptr: the dialog has no crop list
  WarningPanel* warning = nullptr;
  std::function<void()> activate;
  std::function<void()> sa_change;  // may be empty
  std::function<void()> ok;
  std::function<void()> cancel;
  // Runs OK with the file shown in the table window; empty: no "Show as Table" button.
  std::function<void(const std::function<void()>&)> as_table;
};

// The dialogs that find a study area's result or crop file by its SA number (and crop) and open
// it in the spreadsheet: TShowSAFiles, TGetOutSA, TGetSumSA, TGetSACropInfo and TGetCropItemNum.
class SaFinderView : public QDialog {
  Q_OBJECT

 public:
  // `run` runs OK off the user-interface thread, behind the progress dialog.
  SaFinderView(const QString& name, SaFinderBinding binding,
               std::function<void(const std::function<void()>&)> run, QWidget* parent);

  void Activate();
  void Pull();
  QLineEdit* sa() const { return sa_->edit(); }
  QComboBox* crops() const { return crops_; }
  QLabel* sa_label() const { return sa_label_; }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  SaFinderBinding binding_;
  std::function<void(const std::function<void()>&)> run_;
  QLabel* sa_label_;
  std::unique_ptr<BoundField> sa_;
  QLabel* crops_label_ = nullptr;
  QComboBox* crops_ = nullptr;
  QPlainTextEdit* warning_;
};

}  // namespace kelvaro::app
