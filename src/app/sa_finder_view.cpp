#include "app/sa_finder_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/model_widgets.h"
#include "app/qt_text.h"

namespace kelvaro::app {

SaFinderView::SaFinderView(const QString& name, SaFinderBinding binding,
                           std::function<void(const std::function<void()>&)> run, QWidget* parent)
    : QDialog(parent),
      binding_(std::move(binding)),
      run_(std::move(run)),
      sa_label_(new QLabel(this)),
      warning_(NewWarningBox(this)) {
  setObjectName(name);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("SA"));
  sa_label_->setBuddy(edit);
  sa_ = std::make_unique<BoundField>(*binding_.sa, edit, std::vector<QWidget*>{sa_label_});
  // After the field has taken the text: the crop list follows every change of it.
  connect(edit, &QLineEdit::textEdited, this, [this] {
    if (binding_.sa_change) binding_.sa_change();
    Pull();
  });

  auto* form = new QFormLayout;
  form->addRow(sa_label_, edit);
  if (binding_.crops != nullptr) {
    crops_ = new QComboBox(this);
    crops_->setObjectName(QStringLiteral("CropItemCombo"));
    crops_->setMinimumContentsLength(24);
    crops_label_ = new QLabel(QStringLiteral("Crop Item:"), this);
    crops_label_->setBuddy(crops_);
    form->addRow(crops_label_, crops_);
    connect(crops_, &QComboBox::activated, this,
            [this](int index) { binding_.crops->Select(index); });
  }

  auto* buttons = new QDialogButtonBox(this);
  const OkCancel pair = AddOkCancel(this, buttons, [this] { binding_.cancel(); });
  connect(pair.ok, &QPushButton::clicked, this, [this] {
    run_(binding_.ok);
    Pull();
  });
  if (binding_.as_table) {
    QPushButton* table = AddButton(buttons, QStringLiteral("Show as Table"), "ButtonTable",
                                   QDialogButtonBox::ActionRole);
    connect(table, &QPushButton::clicked, this, [this] {
      run_([this] { binding_.as_table(binding_.ok); });
      Pull();
    });
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(460);  // the longest caption is shown in full
  Pull();
}

void SaFinderView::Activate() {
  binding_.activate();
  Pull();
  adjustSize();
  show();
  raise();
  activateWindow();
  sa_->edit()->setFocus();
}

void SaFinderView::Pull() {
  setWindowTitle(ToQt(*binding_.caption));
  sa_label_->setText(ToQt(*binding_.sa_label));
  sa_->Pull();
  if (crops_ != nullptr) PullCombo(*binding_.crops, crops_, crops_label_);
  PullWarning(*binding_.warning, warning_);
}

}  // namespace kelvaro::app
