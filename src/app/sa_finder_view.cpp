#include "app/sa_finder_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/app_memory.h"
#include "app/model_widgets.h"
#include "app/qt_text.h"
#include "app/remembered_values.h"

namespace kelvaro::app {

SaFinderView::SaFinderView(const QString& name, TResultFinder& model, Runner as_table, Runner run,
                           QWidget* parent)
    : QDialog(parent),
      model_(model),
      as_table_(std::move(as_table)),
      run_(std::move(run)),
      sa_label_(new QLabel(this)),
      warning_(NewWarningBox(this)) {
  setObjectName(name);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("SA"));
  sa_label_->setBuddy(edit);
  sa_ = std::make_unique<BoundField>(model_.SA, edit, std::vector<QWidget*>{sa_label_});
  // After the field has taken the text: the crop list follows every change of it.
  connect(edit, &QLineEdit::textEdited, this, [this] {
    model_.SAChange();
    Pull();
  });

  auto* form = new QFormLayout;
  form->addRow(sa_label_, edit);
  if (model_.variant().crops != FinderCrops::kNever) {
    crops_ = new QComboBox(this);
    crops_->setObjectName(QStringLiteral("CropItemCombo"));
    crops_->setMinimumContentsLength(24);
    crops_label_ = new QLabel(QStringLiteral("Crop Item:"), this);
    crops_label_->setBuddy(crops_);
    form->addRow(crops_label_, crops_);
    connect(crops_, &QComboBox::activated, this,
            [this](int index) { model_.CropItemCombo.Select(index); });
  }

  auto* buttons = new QDialogButtonBox(this);
  const OkCancel pair = AddOkCancel(this, buttons, [this] { model_.ButtonCancelClick(); });
  connect(pair.ok, &QPushButton::clicked, this, [this] {
    run_([this] { model_.ButtonOKClick(); });
    Pull();
    Remember();
  });
  if (as_table_) {
    QPushButton* table = AddButton(buttons, QStringLiteral("Show as Table"), "ButtonTable",
                                   QDialogButtonBox::ActionRole);
    connect(table, &QPushButton::clicked, this, [this] {
      run_([this] { as_table_([this] { model_.ButtonOKClick(); }); });
      Pull();
      Remember();
    });
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(460);  // the longest caption is shown in full
  Pull();
}

// An SA number (or file name) whose file was opened, closing the dialog, is offered the next
// time.
void SaFinderView::Remember() {
  if (memory_ == nullptr || isVisible()) return;
  memory_->RememberValue(objectName(), sa_->edit()->objectName(), ToQt(model_.SA.text));
}

void SaFinderView::Activate() {
  model_.FormActivate();
  if (memory_ != nullptr) {
    OfferValues(sa_->edit(), memory_->Values(objectName(), sa_->edit()->objectName()));
  }
  Pull();
  adjustSize();
  show();
  raise();
  activateWindow();
  sa_->edit()->setFocus();
}

void SaFinderView::Pull() {
  setWindowTitle(ToQt(model_.Caption));
  sa_label_->setText(ToQt(model_.SALabel));
  sa_->Pull();
  if (crops_ != nullptr) PullCombo(model_.CropItemCombo, crops_, crops_label_);
  PullWarning(model_.Warning, warning_);
}

}  // namespace kelvaro::app
