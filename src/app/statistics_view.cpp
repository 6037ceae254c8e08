#include "app/statistics_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/model_widgets.h"
#include "app/qt_text.h"

namespace kelvaro::app {

StatisticsView::StatisticsView(TGetSimulatedStationName& model,
                               std::function<void(const std::function<void()>&)> run,
                               QWidget* parent)
    : QDialog(parent), model_(model), run_(std::move(run)), warning_(NewWarningBox(this)) {
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
  });

  auto* form = new QFormLayout;
  form->addRow(label, edit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(520);  // the longest caption is shown in full
  Pull();
}

void StatisticsView::Activate() {
  model_.FormActivate();
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
