#pragma once

#include <QDialog>
#include <QPlainTextEdit>

#include "crops/crop_soil_entry.h"

namespace kelvaro::app {

// TCropSoilWarning: the lines of a refused save and an OK button that closes it.
class CropSoilWarningView : public QDialog {
  Q_OBJECT

 public:
  CropSoilWarningView(TCropSoilWarning& model, QWidget* parent);

  // Shows the model's lines; hides the window when the model is not visible.
  void Pull();
  QPlainTextEdit* text() const { return text_; }

 private:
  TCropSoilWarning& model_;
  QPlainTextEdit* text_;
};

}  // namespace kelvaro::app
