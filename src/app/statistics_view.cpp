#include "app/statistics_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_memory.h"
#include "app/model_widgets.h"
#include "app/qt_text.h"
#include "app/remembered_values.h"

namespace kelvaro::app {

StatisticsView::StatisticsView(TGetSimulatedStationName& model, Runner run, Runner as_table,
                               std::function<void(const QString&)> chart, QWidget* parent)
    : QDialog(parent),
      model_(model),
      run_(std::move(run)),
      as_table_(std::move(as_table)),
      chart_(std::move(chart)),
      warning_(NewWarningBox(this)) {
  setObjectName(QStringLiteral("TGetSimulatedStationName"));
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("Station"));
  auto* label = new QLabel(ToQt(kStationLabel), this);
  label->setBuddy(edit);
  station_ = std::make_unique<BoundField>(model_.Station, edit, std::vector<QWidget*>{label});
  warning_->setMaximumHeight(60);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddOkCancel(this, buttons, [this] { model_.ButtonCancelClick(); }).ok;
  connect(ok, &QPushButton::clicked, this, [this] {
    run_([this] { model_.ButtonOKClick(); });
    Pull();
    Remember();
  });
  QPushButton* table = AddButton(buttons, QStringLiteral("Show as &Table"), "ButtonTable",
                                 QDialogButtonBox::ActionRole);
  table->setToolTip(
      QStringLiteral("Compute the statistics and show the file in the program's "
                     "table window instead of the spreadsheet"));
  connect(table, &QPushButton::clicked, this, [this] {
    run_([this] { as_table_([this] { model_.ButtonOKClick(); }); });
    Pull();
    Remember();
  });
  QPushButton* daily_chart = AddButton(buttons, QStringLiteral("Daily &Chart"), "ButtonChart",
                                       QDialogButtonBox::ActionRole);
  daily_chart->setToolTip(
      QStringLiteral("Chart the daily means of the file's statistics (.avg) with "
                     "a band of one standard deviation"));
  connect(daily_chart, &QPushButton::clicked, this, [this, edit] { chart_(edit->text()); });
  edit->setToolTip(QStringLiteral(
      "The name of a working daily file (.wrk) without its extension, e.g. the station of a run"));

  auto* form = new QFormLayout;
  form->addRow(label, edit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(520);  // the longest caption is shown in full
  Pull();
}

// A name whose statistics were computed (no warning) is offered the next time.
void StatisticsView::Remember() {
  if (memory_ == nullptr || model_.Warning.visible) return;
  memory_->RememberValue(objectName(), station_->edit()->objectName(), ToQt(model_.Station.text));
}

void StatisticsView::Activate() {
  model_.FormActivate();
  if (memory_ != nullptr) {
    OfferValues(station_->edit(), memory_->Values(objectName(), station_->edit()->objectName()));
  }
  Pull();
  show();
  raise();
  activateWindow();
  station_->edit()->setFocus();
}

void StatisticsView::Pull() {
  setWindowTitle(ToQt(model_.Caption));
  station_->Pull();
  PullWarning(model_.Warning, warning_);
}

}  // namespace kelvaro::app
