#include "app/list_choice_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvaro::app {

ListChoiceView::ListChoiceView(const QString& name, const QString& caption,
                               const QString& heading, const QStringList& items, Binding binding,
                               QWidget* parent)
    : QDialog(parent), binding_(std::move(binding)), combo_(new QComboBox(this)) {
  setObjectName(name);
  setWindowTitle(caption);
  combo_->addItems(items);
  combo_->setMinimumContentsLength(24);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ButtonOK"));
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { binding_.ok(combo_->currentIndex()); });
  connect(cancel, &QPushButton::clicked, this, [this] { binding_.cancel(); });
  // Escape and the title bar's close button mean Cancel too.
  connect(this, &QDialog::rejected, this, [this] { binding_.cancel(); });

  auto* layout = new QVBoxLayout(this);
  if (!heading.isEmpty()) {
    auto* label = new QLabel(heading, this);
    label->setBuddy(combo_);
    layout->addWidget(label);
  }
  layout->addWidget(combo_);
  layout->addWidget(buttons);
  setMinimumWidth(300);
}

void ListChoiceView::Activate() {
  combo_->setCurrentIndex(binding_.activate());
  show();
  raise();
  activateWindow();
  combo_->setFocus();
}

}  // namespace kelvaro::app
