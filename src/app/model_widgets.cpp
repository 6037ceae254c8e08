#include "app/model_widgets.h"

#include <QSignalBlocker>

#include "app/qt_text.h"

namespace kelvaro::app {

QPlainTextEdit* NewWarningBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QStringLiteral("Warning"));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setMaximumHeight(72);
  box->setVisible(false);
  return box;
}

void PullWarning(const WarningPanel& warning, QPlainTextEdit* box) {
  QStringList lines;
  for (const std::string& line : warning.lines) lines << ToQt(line);
  box->setPlainText(lines.join(QLatin1Char('\n')));
  box->setVisible(warning.visible);
}

void PullCombo(const ComboBox& combo, QComboBox* box, QWidget* label) {
  const QSignalBlocker quiet(box);  // showing the model is no choice of the user's
  QStringList items;
  for (const std::string& item : combo.items) items << ToQt(item);
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown != items) {
    box->clear();
    box->addItems(items);
  }
  box->setCurrentIndex(combo.selected);
  box->setVisible(combo.visible);
  if (label != nullptr) label->setVisible(combo.visible);
}

QPushButton* AddButton(QDialogButtonBox* buttons, const QString& caption, const char* name,
                       QDialogButtonBox::ButtonRole role) {
  QPushButton* button = buttons->addButton(caption, role);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

OkCancel AddOkCancel(QDialog* dialog, QDialogButtonBox* buttons, std::function<void()> cancel) {
  const OkCancel added{
      AddButton(buttons, QStringLiteral("OK"), "ButtonOK", QDialogButtonBox::AcceptRole),
      AddButton(buttons, QStringLiteral("Cancel"), "ButtonCancel", QDialogButtonBox::RejectRole)};
  added.ok->setDefault(true);
  QObject::connect(added.cancel, &QPushButton::clicked, dialog, cancel);
  QObject::connect(dialog, &QDialog::rejected, dialog, cancel);
  return added;
}

}  // namespace kelvaro::app
