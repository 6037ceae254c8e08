#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "forms/combo_box.h"
#include "forms/warning_panel.h"

namespace kelvaro::app {

// The read-only box of a dialog's warning lines, named "Warning".
QPlainTextEdit* NewWarningBox(QWidget* parent);
// Shows the model's warning lines, or hides the box while the panel is hidden.
void PullWarning(const WarningPanel& warning, QPlainTextEdit* box);
// Shows the model's list items and selection; the label is shown and hidden with the list.
void PullCombo(const ComboBox& combo, QComboBox* box, QWidget* label = nullptr);
// A push button of `buttons` with its caption and object name.
QPushButton* AddButton(QDialogButtonBox* buttons, const QString& caption, const char* name,
                       QDialogButtonBox::ButtonRole role);

// A dialog's OK (the default button) and Cancel, named "ButtonOK" and "ButtonCancel". Cancel,
// Escape and the title bar's close button all run `cancel`.
struct OkCancel {
  QPushButton* ok;
  QPushButton* cancel;
};
OkCancel AddOkCancel(QDialog* dialog, QDialogButtonBox* buttons, std::function<void()> cancel);

}  // namespace kelvaro::app
