#include "app/path_dialog_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvaro::app {

PathDialogView::PathDialogView(PathDialog& model, Dialog id, QWidget* parent)
    : QDialog(parent), model_(model), combo_(new QComboBox(this)) {
  setObjectName(ToQt(DialogName(id)));
  setWindowTitle(ToQt(model.Caption()));
  for (const PathChoice& choice : model.Items()) combo_->addItem(ToQt(choice.item));
  combo_->setMinimumContentsLength(24);
  setMinimumWidth(300);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ButtonOK"));
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  ok->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(combo_);
  layout->addWidget(buttons);
  setLayout(layout);

  connect(ok, &QPushButton::clicked, this, [this] {
    model_.selected = combo_->currentIndex();
    model_.ButtonOKClick();
  });
  connect(cancel, &QPushButton::clicked, this, [this] { model_.ButtonCancelClick(); });
  // Escape and the title bar's close button mean Cancel too.
  connect(this, &QDialog::rejected, this, [this] { model_.ButtonCancelClick(); });
}

void PathDialogView::Activate() {
  model_.FormActivate();
  combo_->setCurrentIndex(model_.selected);
  show();
  raise();
  activateWindow();
  combo_->setFocus();
}

}  // namespace kelvaro::app
