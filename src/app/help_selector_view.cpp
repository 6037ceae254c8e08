#include "app/help_selector_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvaro::app {

HelpSelectorView::HelpSelectorView(HelpSelector& model, std::function<void(HelpWindow)> open,
                                   QWidget* parent)
    : QDialog(parent), model_(model), open_(std::move(open)), combo_(new QComboBox(this)) {
  const HelpSelectorLayout& layout = model.layout();
  setObjectName(ToQt(layout.name));
  setWindowTitle(ToQt(layout.caption));
  for (const HelpChoice& choice : layout.choices) combo_->addItem(ToQt(choice.item));
  auto* label = new QLabel(ToQt(layout.label), this);
  label->setBuddy(combo_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ButtonOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    model_.selected = combo_->currentIndex();
    hide();
    open_(model_.ButtonOKClick());
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);

  auto* box = new QVBoxLayout(this);
  box->addWidget(label);
  box->addWidget(combo_);
  box->addWidget(buttons);
  setMinimumWidth(300);
}

void HelpSelectorView::Activate() {
  model_.FormActivate();
  combo_->setCurrentIndex(model_.selected);
  show();
  raise();
  activateWindow();
  combo_->setFocus();
}

}  // namespace kelvaro::app
