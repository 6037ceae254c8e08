#include "app/statistics_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvaro::app {

StatisticsView::StatisticsView(TGetSimulatedStationName& model,
                               std::function<void(const std::function<void()>&)> run,
                               QWidget* parent)
    : QDialog(parent), model_(model), run_(std::move(run)), warning_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("TGetSimulatedStationName"));
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("Station"));
  auto* label = new QLabel(ToQt(kStationLabel), this);
  label->setBuddy(edit);
  station_ = std::make_unique<BoundField>(model_.Station, edit, std::vector<QWidget*>{label});
  warning_->setObjectName(QStringLiteral("Warning"));
  warning_->setReadOnly(true);
  warning_->setFocusPolicy(Qt::NoFocus);
  warning_->setMaximumHeight(60);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ButtonOK"));
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    run_([this] { model_.ButtonOKClick(); });
    Pull();
  });
  connect(cancel, &QPushButton::clicked, this, [this] { model_.ButtonCancelClick(); });
  connect(this, &QDialog::rejected, this, [this] { model_.ButtonCancelClick(); });

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
  QStringList lines;
  for (const std::string& line : model_.Warning.lines) lines << ToQt(line);
  warning_->setPlainText(lines.join(QLatin1Char('\n')));
  warning_->setVisible(model_.Warning.visible);
}

}  // namespace kelvaro::app
