#pragma once

#include <QComboBox>
#include <QDialog>

#include "dispatch/path_dialogs.h"

namespace kelvaro::app {

// A path dialog: one combo box that fixes the input kind, OK and Cancel.
class PathDialogView : public QDialog {
  Q_OBJECT

 public:
  PathDialogView(PathDialog& model, Dialog id, QWidget* parent);

  // Shows the dialog as activation leaves it: the first item chosen.
  void Activate();
  QComboBox* combo() const { return combo_; }

 private:
  PathDialog& model_;
  QComboBox* combo_;
};

}  // namespace kelvaro::app
