#include "app/chart_window.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "analysis/generator_check_chart.h"
#include "analysis/weather_charts.h"
#include "app/charts/chart_builder.h"
#include "app/charts/chart_image.h"
#include "app/qt_text.h"
#include "crops/crop_file.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::app {
namespace {

constexpr QSize kSavedSize(1100, 650);

bool DrawsStudyArea(ChartKind kind) {
  return kind == ChartKind::kSeason || kind == ChartKind::kMonthlyEtaw ||
         kind == ChartKind::kAnnualEtaw;
}

template <typename Variable, size_t N>
void FillVariables(QComboBox* combo, const Variable (&variables)[N], const char* first) {
  combo->clear();
  for (const Variable& variable : variables) combo->addItem(QString::fromLatin1(variable.name));
  combo->setCurrentText(QString::fromLatin1(first));
}

}  // namespace

ChartWindow::ChartWindow(const Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      kind_(new QComboBox(this)),
      sa_(new QLineEdit(this)),
      crop_(new QSpinBox(this)),
      year_(new QLineEdit(this)),
      units_(new QComboBox(this)),
      station_(new QLineEdit(this)),
      variable_(new QComboBox(this)),
      warning_(new QLabel(this)),
      view_(new QChartView(this)) {
  setObjectName(QStringLiteral("ChartWindow"));
  setWindowTitle(QStringLiteral("Charts"));
  for (const ChartKindName& kind : kChartKinds) {
    kind_->addItem(QString::fromLatin1(kind.meaning), QString::fromLatin1(kind.name));
  }
  sa_->setValidator(new QIntValidator(kMinSaNumber, kMaxSaNumber, sa_));
  crop_->setRange(1, 9999);
  year_->setValidator(new QIntValidator(1, 9998, year_));
  year_->setPlaceholderText(QStringLiteral("first of the run"));
  units_->addItems({QStringLiteral("m3"), QStringLiteral("acre-ft"), QStringLiteral("mm")});
  warning_->setStyleSheet(QStringLiteral("color: #b00020"));
  warning_->setWordWrap(true);
  warning_->hide();
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(900, 520);

  auto* draw = new QPushButton(QStringLiteral("Draw"), this);
  draw->setDefault(true);
  auto* png = new QPushButton(QStringLiteral("Save as PNG..."), this);
  auto* svg = new QPushButton(QStringLiteral("Save as SVG..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(draw, &QPushButton::clicked, this, &ChartWindow::Draw);
  connect(png, &QPushButton::clicked, this,
          [this] { SaveAs(QStringLiteral("PNG pictures (*.png)"), ".png"); });
  connect(svg, &QPushButton::clicked, this,
          [this] { SaveAs(QStringLiteral("SVG drawings (*.svg)"), ".svg"); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(kind_, &QComboBox::currentIndexChanged, this, &ChartWindow::KindChanged);

  auto* study_area = new QFormLayout;
  study_area->addRow(QStringLiteral("Chart:"), kind_);
  study_area->addRow(ToQt(kSaNumberCaption), sa_);
  study_area->addRow(QStringLiteral("Crop Item:"), crop_);
  study_area->addRow(QStringLiteral("Year:"), year_);
  auto* weather = new QFormLayout;
  weather->addRow(QStringLiteral("Volumes in:"), units_);
  weather->addRow(QStringLiteral("Weather data file name:"), station_);
  weather->addRow(QStringLiteral("Variable:"), variable_);
  weather->addRow(QString(), draw);
  auto* fields = new QHBoxLayout;
  fields->addLayout(study_area);
  fields->addLayout(weather);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(png);
  buttons->addWidget(svg);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(warning_);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  KindChanged();
}

void ChartWindow::KindChanged() {
  const ChartKind kind = FindChartKind(FromQt(kind_->currentData().toString()))->kind;
  const bool study_area = DrawsStudyArea(kind);
  sa_->setEnabled(study_area);
  crop_->setEnabled(kind == ChartKind::kSeason);
  year_->setEnabled(kind == ChartKind::kSeason);
  units_->setEnabled(study_area && kind != ChartKind::kSeason);
  station_->setEnabled(!study_area);
  variable_->setEnabled(!study_area);
  if (kind == ChartKind::kGenerated) FillVariables(variable_, kGeneratedVariables, "TMax");
  if (kind == ChartKind::kDailyStatistics) {
    FillVariables(variable_, kDailyStatisticsVariables, "ETo");
  }
  if (kind == ChartKind::kGeneratorCheck) FillVariables(variable_, kGeneratorCheckVariables, "ETo");
}

void ChartWindow::ShowDailyStatistics(const QString& station) {
  const int daily = kind_->findData(QString::fromLatin1(
      std::find_if(std::begin(kChartKinds), std::end(kChartKinds), [](const ChartKindName& kind) {
        return kind.kind == ChartKind::kDailyStatistics;
      })->name));
  kind_->setCurrentIndex(daily);
  station_->setText(station);
  show();
  raise();
  activateWindow();
  Draw();
}

ChartRequest ChartWindow::Request() const {
  ChartRequest request;
  request.kind = FindChartKind(FromQt(kind_->currentData().toString()))->kind;
  request.folder = session_.data_dir;
  if (!sa_->text().isEmpty()) request.sa5 = SA5Of(sa_->text().toInt());
  request.crop_number = crop_->value();
  request.year = year_->text().toInt();
  request.unit = *ParseVolumeUnit(FromQt(units_->currentText()));
  request.station = FromQt(station_->text());
  request.variable = FromQt(variable_->currentText());
  return request;
}

void ChartWindow::Warn(const QString& text) {
  warning_->setText(text);
  warning_->show();
}

void ChartWindow::Draw() {
  warning_->hide();
  const ChartRequest request = Request();
  if (DrawsStudyArea(request.kind) && request.sa5.empty())
    return Warn(QStringLiteral("Enter the SA number"));
  if (!DrawsStudyArea(request.kind) && request.station.empty()) {
    return Warn(QStringLiteral("Enter the weather data file name"));
  }
  try {
    drawn_ = BuildChartData(request);
    ReplaceChart(*view_, BuildChart(*drawn_));
  } catch (const std::runtime_error& error) {
    drawn_.reset();
    Warn(ToQt(error.what()));
  }
}

bool ChartWindow::Save(const std::filesystem::path& file) {
  warning_->hide();
  if (!drawn_) {
    Warn(QStringLiteral("Draw a chart first"));
    return false;
  }
  try {
    // A chart of its own: the one shown belongs to the view's scene.
    std::unique_ptr<QChart> chart(BuildChart(*drawn_));
    SaveChartImage(*chart, kSavedSize, file);
    return true;
  } catch (const std::runtime_error& error) {
    Warn(ToQt(error.what()));
    return false;
  }
}

void ChartWindow::SaveAs(const QString& filter, const char* extension) {
  const QString chosen = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save the chart"),
      PathToQt(session_.data_dir / (std::string("chart") + extension)), filter);
  if (!chosen.isEmpty()) Save(PathFromQt(chosen));
}

}  // namespace kelvaro::app
