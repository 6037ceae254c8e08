#include "app/list_choice_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/model_widgets.h"

namespace kelvaro::app {

ListChoiceView::ListChoiceView(const QString& name, const QString& caption, const QString& heading,
                               const QStringList& items, Binding binding, QWidget* parent)
    : QDialog(parent), binding_(std::move(binding)), combo_(new QComboBox(this)) {
  setObjectName(name);
  setWindowTitle(caption);
  combo_->addItems(items);
  combo_->setMinimumContentsLength(24);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddOkCancel(this, buttons, [this] { binding_.cancel(); }).ok;
  connect(ok, &QPushButton::clicked, this, [this] { binding_.ok(combo_->currentIndex()); });

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
