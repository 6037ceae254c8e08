#include "app/data_file_entry_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "app/model_widgets.h"
#include "app/qt_text.h"

namespace kelvaro::app {

DataFileEntryView::DataFileEntryView(TDataFileEntry& model,
                                     std::function<void(const std::function<void()>&)> run,
                                     QWidget* parent)
    : QDialog(parent),
      model_(model),
      run_(std::move(run)),
      kinds_(new QComboBox(this)),
      explanation_(new QLabel(this)),
      form_(new QFormLayout) {
  setObjectName(QStringLiteral("TDataFileEntry"));
  setWindowTitle(ToQt(kDataFileEntryCaption));
  auto* title = new QLabel(ToQt(kDataFileEntryTitle), this);
  title->setBuddy(kinds_);
  kinds_->setObjectName(QStringLiteral("InputFileTypeCombo"));
  for (const std::string& item : TDataFileEntry::KindItems()) kinds_->addItem(ToQt(item));
  explanation_->setObjectName(QStringLiteral("InputFileTypeExplain"));
  explanation_->setWordWrap(true);
  explanation_->setMinimumHeight(explanation_->fontMetrics().height() * 2);
  connect(kinds_, &QComboBox::activated, this, [this](int index) {
    model_.InputFileTypeComboChange(index);
    Pull();
  });

  AddField(model_.InputFile, kTemplateNameLabel, "InputFile");
  AddField(model_.Latitute, kTemplateLatitudeLabel, "Latitute");
  AddField(model_.Elevation, kTemplateElevationLabel, "Elevation");

  auto* buttons = new QDialogButtonBox(this);
  const OkCancel pair = AddOkCancel(this, buttons, [this] { model_.ButtonCancelClick(); });
  connect(pair.ok, &QPushButton::clicked, this, [this] { Write(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(kinds_);
  layout->addWidget(explanation_);
  layout->addLayout(form_);
  layout->addWidget(buttons);
  setMinimumWidth(520);  // the longest explanation fits one line
  Pull();
}

// The file is written off the window's thread; questions and refusals come back to it.
void DataFileEntryView::Write() {
  model_.outcome = {};
  run_([this] { model_.ButtonOKClick(); });
  if (model_.outcome.result == TemplateResult::kExists && AskToReplace()) {
    run_([this] { model_.ButtonOKClick(true); });
  }
  if (model_.outcome.result == TemplateResult::kRefused) {
    ShowMessageBox(this, ToQt(model_.outcome.message));
  }
}

bool DataFileEntryView::AskToReplace() {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kMessageBoxTitle),
                  ToQt(model_.outcome.message), QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName(QStringLiteral("ReplaceTemplate"));
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Replace"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Keep it"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void DataFileEntryView::AddField(FormField& field, std::string_view label, const char* name) {
  fields_.push_back(AddBoundRow(form_, field, label, name, this));
}

void DataFileEntryView::Activate() {
  model_.FormActivate();
  Pull();
  show();
  raise();
  activateWindow();
  kinds_->setFocus();
}

void DataFileEntryView::Pull() {
  {
    const QSignalBlocker quiet(kinds_);
    kinds_->setCurrentIndex(model_.InputFileTypeCombo);
  }
  explanation_->setText(ToQt(model_.InputFileTypeExplain));
  for (const auto& field : fields_) field->Pull();
}

}  // namespace kelvaro::app
