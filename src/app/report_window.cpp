#include "app/report_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "analysis/water_budget.h"
#include "app/qt_text.h"
#include "crops/crop_file.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::app {
namespace {

// The study area's total and its spread, in words.
QString SummaryOf(const WaterBudget& budget) {
  const char* unit = VolumeUnitText(budget.unit);
  const BudgetLine& sa = budget.study_area;
  const Spread& s = sa.volume_by_year;
  const char* format = budget.unit == VolumeUnit::kCubicMetres ? "%.0f" : "%.2f";
  const auto v = [&](double value) { return Printf(format, value); };
  return ToQt(Printf("Study area %s: %.0f ha, %zu years (%d-%d). Mean volume ", budget.sa5.c_str(),
                     sa.area_ha, budget.years.size(), budget.years.front(), budget.years.back()) +
              v(sa.volume) + " " + unit + "; over the years from " + v(s.min) + " to " + v(s.max) +
              ", 90 % of the years at most " + v(s.p90) + " " + unit + ".");
}

}  // namespace

void ReportWindow::ShowDelivery(const WaterBudget& budget, const std::filesystem::path& file) {
  const std::string csv = MonthlyDeliveryCsv(budget.delivery, budget.unit);
  if (csv.empty()) {
    delivery_title_->setText(ToQt(Printf(
        "Monthly irrigation delivered: no irrigation events were found; run study area %d again "
        "to have them.",
        std::stoi(budget.sa5))));
    delivery_->Show(ResultTable{}, {});
    return;
  }
  ResultTable table = MakeResultTable(TextFile{file.filename().string(), SplitLines(csv)});
  delivery_title_->setText(ToQt(table.title).replace(QStringLiteral(","), QStringLiteral(", ")));
  table.title.clear();
  delivery_->Show(std::move(table), file);
}

ReportWindow::ReportWindow(const Session& session, Spreadsheet& spreadsheet, Reporter& reporter,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      sa_(new QLineEdit(this)),
      units_(new QComboBox(this)),
      warning_(new QLabel(this)),
      summary_(new QLabel(this)),
      panel_(new ResultTablePanel(spreadsheet, reporter, this)),
      delivery_title_(new QLabel(this)),
      delivery_(new ResultTablePanel(spreadsheet, reporter, this)) {
  setObjectName(QStringLiteral("ReportWindow"));
  setWindowTitle(QStringLiteral("Study-Area Report"));
  sa_->setObjectName(QStringLiteral("SA"));
  sa_->setValidator(new QIntValidator(kMinSaNumber, kMaxSaNumber, sa_));
  units_->addItems({QStringLiteral("m3"), QStringLiteral("acre-ft"), QStringLiteral("mm")});
  warning_->setObjectName(QStringLiteral("Warning"));
  warning_->setStyleSheet(QStringLiteral("color: #b00020"));
  warning_->setWordWrap(true);
  warning_->hide();
  summary_->setWordWrap(true);
  auto* show = new QPushButton(QStringLiteral("Show"), this);
  show->setObjectName(QStringLiteral("Show"));
  show->setDefault(true);
  connect(show, &QPushButton::clicked, this, &ReportWindow::ShowReport);
  connect(sa_, &QLineEdit::returnPressed, this, &ReportWindow::ShowReport);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* fields = new QHBoxLayout;
  auto* form = new QFormLayout;
  form->addRow(ToQt(kSaNumberCaption), sa_);
  form->addRow(QStringLiteral("Volumes in:"), units_);
  fields->addLayout(form);
  fields->addWidget(show, 0, Qt::AlignBottom);
  fields->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(warning_);
  layout->addWidget(summary_);
  layout->addWidget(panel_, 3);
  delivery_title_->setObjectName(QStringLiteral("DeliveryTitle"));
  delivery_title_->setWordWrap(true);
  delivery_->setObjectName(QStringLiteral("Delivery"));
  layout->addWidget(delivery_title_);
  layout->addWidget(delivery_, 2);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(1150, 640);
}

void ReportWindow::ShowReport() {
  warning_->hide();
  if (sa_->text().isEmpty()) {
    warning_->setText(QStringLiteral("Enter the SA number"));
    warning_->show();
    return;
  }
  try {
    const std::string sa5 = SA5Of(sa_->text().toInt());
    const auto unit = ParseVolumeUnit(FromQt(units_->currentText()));
    const auto [budget, file] = MakeStudyAreaBudget(session_.data_dir, sa5, *unit);
    summary_->setText(SummaryOf(budget));
    panel_->Show(
        MakeResultTable(TextFile{file.filename().string(), SplitLines(WaterBudgetCsv(budget))}),
        file);
    ShowDelivery(budget, file);
  } catch (const std::runtime_error& error) {
    // The budget of the study area shown before must not pass for this one's.
    summary_->clear();
    panel_->Show(ResultTable{}, {});
    delivery_title_->clear();
    delivery_->Show(ResultTable{}, {});
    warning_->setText(ToQt(error.what()));
    warning_->show();
  }
}

}  // namespace kelvaro::app
