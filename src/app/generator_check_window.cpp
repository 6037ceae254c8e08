#include "app/generator_check_window.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "analysis/generator_check_chart.h"
#include "analysis/generator_check_file.h"
#include "app/background_run.h"
#include "app/charts/chart_builder.h"
#include "app/qt_text.h"

namespace kelvaro::app {
namespace {

constexpr int kDefaultYears = 30;
constexpr const char* kFirstVariable = "ETo";

// Wide enough for every column of the table, so the chart beside it never hides one.
int TableWidth(const QTableView& view) {
  int width = view.verticalHeader()->sizeHint().width() + 2 * view.frameWidth() +
              view.verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < view.model()->columnCount(); ++column) {
    width += view.columnWidth(column);
  }
  return width;
}

QString VerdictLines(const RecordComparison& comparison) {
  QStringList lines;
  for (const std::string& verdict : comparison.verdicts) lines << ToQt(verdict);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

GeneratorCheckWindow::GeneratorCheckWindow(const Session& session, GuiReporter& reporter,
                                           Spreadsheet& spreadsheet, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      reporter_(reporter),
      station_(new QComboBox(this)),
      years_(new QSpinBox(this)),
      means_(new QLineEdit(this)),
      message_(new QLabel(this)),
      title_(new QLabel(this)),
      verdicts_(new QLabel(this)),
      panel_(new ResultTablePanel(spreadsheet, reporter, this)),
      variable_(new QComboBox(this)),
      view_(new QChartView(this)),
      written_(new QLabel(this)) {
  setObjectName(QStringLiteral("GeneratorCheckWindow"));
  setWindowTitle(QStringLiteral("Generator Check"));
  station_->setObjectName(QStringLiteral("Station"));
  station_->setEditable(true);
  station_->setInsertPolicy(QComboBox::NoInsert);
  station_->setMinimumContentsLength(10);
  years_->setObjectName(QStringLiteral("Years"));
  years_->setRange(2, 99);
  years_->setValue(kDefaultYears);
  means_->setObjectName(QStringLiteral("Means"));
  means_->setPlaceholderText(QStringLiteral("none: reduced from the measured days"));
  means_->setMinimumWidth(420);
  message_->setObjectName(QStringLiteral("Message"));
  message_->setStyleSheet(QStringLiteral("color: #b00020"));
  message_->setWordWrap(true);
  message_->hide();
  title_->setWordWrap(true);
  title_->setStyleSheet(QStringLiteral("font-weight: bold"));
  verdicts_->setWordWrap(true);
  verdicts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  written_->setWordWrap(true);
  for (const CheckedVariable& variable : kGeneratorCheckVariables) {
    variable_->addItem(QString::fromUtf8(variable.name));
  }
  variable_->setObjectName(QStringLiteral("Variable"));
  variable_->setCurrentText(QString::fromLatin1(kFirstVariable));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(600, 360);

  auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
  auto* run = new QPushButton(QStringLiteral("Run"), this);
  run->setObjectName(QStringLiteral("Run"));
  run->setDefault(true);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(browse, &QPushButton::clicked, this, &GeneratorCheckWindow::Browse);
  connect(run, &QPushButton::clicked, this, &GeneratorCheckWindow::Run);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(variable_, &QComboBox::currentIndexChanged, this, &GeneratorCheckWindow::DrawVariable);

  auto* means_row = new QHBoxLayout;
  means_row->addWidget(means_, 1);
  means_row->addWidget(browse);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(QStringLiteral("Station (STATN.day):"), station_);
  form->addRow(QStringLiteral("Years to generate (2-99):"), years_);
  form->addRow(QStringLiteral("Monthly means file:"), means_row);
  auto* fields = new QHBoxLayout;
  fields->addLayout(form);
  fields->addWidget(run, 0, Qt::AlignBottom);
  fields->addStretch(1);

  auto* verdict_box = new QGroupBox(QStringLiteral("Verdicts"), this);
  auto* verdict_layout = new QVBoxLayout(verdict_box);
  verdict_layout->addWidget(verdicts_);
  auto* chooser = new QHBoxLayout;
  chooser->addWidget(new QLabel(QStringLiteral("Variable:"), this));
  chooser->addWidget(variable_);
  chooser->addStretch();
  auto* chart_side = new QWidget(this);
  auto* chart_layout = new QVBoxLayout(chart_side);
  chart_layout->setContentsMargins(0, 0, 0, 0);
  chart_layout->addLayout(chooser);
  chart_layout->addWidget(view_, 1);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(panel_);
  splitter->addWidget(chart_side);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(written_, 1);
  bottom->addWidget(close, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(message_);
  layout->addWidget(title_);
  layout->addWidget(verdict_box);
  layout->addWidget(splitter, 1);
  layout->addLayout(bottom);
  Clear();
  resize(1420, 920);
}

void GeneratorCheckWindow::showEvent(QShowEvent* event) {
  ListStations();
  QWidget::showEvent(event);
}

void GeneratorCheckWindow::ListStations() {
  const QString typed = station_->currentText();
  station_->clear();
  for (const std::string& station : MeasuredStations(session_.data_dir)) {
    station_->addItem(ToQt(station));
  }
  if (!typed.isEmpty()) station_->setCurrentText(typed);
}

void GeneratorCheckWindow::Browse() {
  const QString chosen = QFileDialog::getOpenFileName(
      this, QStringLiteral("Monthly means to generate from"), PathToQt(session_.data_dir),
      QStringLiteral("Monthly means (*.mon);;All files (*)"));
  if (!chosen.isEmpty()) means_->setText(chosen);
}

void GeneratorCheckWindow::Warn(const QString& text) {
  message_->setText(text);
  message_->show();
}

void GeneratorCheckWindow::Run() {
  message_->hide();
  const QString station = station_->currentText().trimmed();
  if (station.isEmpty()) return Warn(QStringLiteral("Enter the station of the measured days"));
  GeneratorCheckRequest request;
  request.station = FromQt(station);
  request.years = std::to_string(years_->value());
  const QString means = means_->text().trimmed();
  // A file named without a folder is one of the data folder, as everywhere in the program.
  if (!means.isEmpty()) request.means = session_.data_dir / PathFromQt(means);

  const std::filesystem::path folder = session_.data_dir;
  GeneratorCheck check;
  std::filesystem::path file;
  const auto failure = RunInBackground(this, reporter_, [&] {
    check = RunGeneratorCheck(request, folder, reporter_);
    file = WriteGeneratorCheck(check, folder);
  });
  if (failure) {
    // The check shown before must not pass for this one's.
    Clear();
    return Warn(ToQt(*failure));
  }
  Show(std::move(check), file);
}

void GeneratorCheckWindow::Show(GeneratorCheck check, const std::filesystem::path& file) {
  check_ = std::move(check);
  title_->setText(ToQt(check_->title));
  verdicts_->setText(VerdictLines(check_->comparison));
  panel_->Show(GeneratorCheckTable(check_->comparison), file);
  panel_->setMinimumWidth(std::max(panel_->minimumWidth(), TableWidth(*panel_->view())));
  written_->setText(QStringLiteral("Every figure is in %1")
                        .arg(PathToQt(std::filesystem::absolute(file).lexically_normal())));
  variable_->setEnabled(true);
  DrawVariable();
}

void GeneratorCheckWindow::Clear() {
  check_.reset();
  title_->setText(QStringLiteral(
      "Choose a station and Run: its measured days are compared with years generated from "
      "their monthly means, month by month."));
  verdicts_->setText(QStringLiteral("None yet."));
  panel_->Show(GeneratorCheckTable(RecordComparison{}), {});
  panel_->setMinimumWidth(TableWidth(*panel_->view()));
  written_->clear();
  variable_->setEnabled(false);
  ReplaceChart(*view_, new QChart);
}

void GeneratorCheckWindow::DrawVariable() {
  const int index = variable_->currentIndex();
  if (!check_ || index < 0) return;
  try {
    const CheckedVariable& variable = kGeneratorCheckVariables[static_cast<size_t>(index)];
    ReplaceChart(*view_,
                 BuildChart(GeneratorCheckChart(check_->comparison, check_->stem, variable)));
  } catch (const std::runtime_error& error) {
    Warn(ToQt(error.what()));
  }
}

}  // namespace kelvaro::app
