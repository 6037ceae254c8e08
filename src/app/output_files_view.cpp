#include "app/output_files_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/model_widgets.h"
#include "app/qt_text.h"

namespace kelvaro::app {

OutputFilesView::OutputFilesView(TOutputFiles& model, Runner run, Runner as_table, QWidget* parent)
    : QDialog(parent),
      model_(model),
      run_(std::move(run)),
      as_table_(std::move(as_table)),
      kinds_(new QComboBox(this)),
      city_(new QLabel(this)),
      crops_label_(new QLabel(QStringLiteral("Crop Item:"), this)),
      crops_(new QComboBox(this)),
      warning_(NewWarningBox(this)) {
  setObjectName(QStringLiteral("TOutputFiles"));
  setWindowTitle(ToQt(kOutputFilesCaption));
  auto* header = new QLabel(ToQt(kOutputFilesHeader), this);
  header->setBuddy(kinds_);
  kinds_->setObjectName(QStringLiteral("FileTypeCombo"));
  connect(kinds_, &QComboBox::activated, this, [this](int index) {
    model_.FileTypeComboChange(index);
    Pull();
  });

  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("Station"));
  city_->setObjectName(QStringLiteral("City"));
  city_->setBuddy(edit);
  station_ = std::make_unique<BoundField>(model_.Station, edit);
  connect(edit, &QLineEdit::textEdited, this, [this] {
    model_.StationChange();
    Pull();
  });
  crops_->setObjectName(QStringLiteral("CropItemCombo"));
  crops_->setMinimumContentsLength(24);
  crops_label_->setObjectName(QStringLiteral("Label2"));
  crops_label_->setBuddy(crops_);
  connect(crops_, &QComboBox::activated, this,
          [this](int index) { model_.CropItemCombo.Select(index); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* view = AddButton(buttons, QStringLiteral("View in Excel"), "ButtonViewExcel",
                                QDialogButtonBox::ActionRole);
  QPushButton* table = AddButton(buttons, QStringLiteral("Show as Table"), "ButtonTable",
                                 QDialogButtonBox::ActionRole);
  connect(table, &QPushButton::clicked, this, [this] {
    run_([this] { as_table_([this] { model_.ButtonViewExcelClick(); }); });
    Pull();
  });
  QPushButton* close = AddButton(buttons, QStringLiteral("Close Excel"), "ButtonCloseExcel",
                                 QDialogButtonBox::ActionRole);
  QPushButton* exit =
      AddButton(buttons, QStringLiteral("Exit"), "ButtonCancel", QDialogButtonBox::RejectRole);
  view->setDefault(true);
  connect(view, &QPushButton::clicked, this, [this] {
    run_([this] { model_.ButtonViewExcelClick(); });
    Pull();
  });
  connect(close, &QPushButton::clicked, this,
          [this] { run_([this] { model_.ButtonCloseExcelClick(); }); });
  connect(exit, &QPushButton::clicked, this, [this] { model_.ButtonCancelClick(); });
  connect(this, &QDialog::rejected, this, [this] { model_.ButtonCancelClick(); });

  auto* form = new QFormLayout;
  form->addRow(city_, edit);
  form->addRow(crops_label_, crops_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addWidget(kinds_);
  layout->addLayout(form);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(560);
  Pull();
}

void OutputFilesView::Activate() {
  model_.FormActivate();
  Pull();
  adjustSize();
  show();
  raise();
  activateWindow();
  kinds_->setFocus();
}

void OutputFilesView::Pull() {
  PullCombo(model_.FileTypeCombo, kinds_);
  city_->setText(ToQt(model_.City));
  station_->Pull();
  PullCombo(model_.CropItemCombo, crops_, crops_label_);
  PullWarning(model_.Warning, warning_);
}

ResultFilesView::ResultFilesView(TResultFiles& model, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TResultFiles"));
  setWindowTitle(ToQt(kResultFilesCaption));
  auto* created = new QLabel(ToQt(kResultFilesCreated), this);
  auto* hint = new QLabel(ToQt(kResultFilesHint), this);
  hint->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* view =
      AddButton(buttons, QStringLiteral("View"), "ButtonView", QDialogButtonBox::AcceptRole);
  QPushButton* exit =
      AddButton(buttons, QStringLiteral("Exit"), "ButtonExit", QDialogButtonBox::RejectRole);
  view->setDefault(true);
  connect(view, &QPushButton::clicked, this, [&model] { model.ButtonViewClick(); });
  connect(exit, &QPushButton::clicked, this, [&model] { model.ButtonExitClick(); });
  connect(this, &QDialog::rejected, this, [&model] { model.ButtonExitClick(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(created);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  setMinimumWidth(440);
}

void ResultFilesView::Activate() {
  show();
  raise();
  activateWindow();
}

}  // namespace kelvaro::app
