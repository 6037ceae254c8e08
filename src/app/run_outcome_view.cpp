#include "app/run_outcome_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <exception>

#include "app/chart_window.h"
#include "app/qt_text.h"
#include "app/report_window.h"
#include "app/table_window.h"
#include "crops/crop_row.h"
#include "weatherio/calendar.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"
#include "weatherio/whole_years.h"

namespace kelvaro::app {
namespace {

using Status = RunResult::Status;

// Rounded as the command line prints them (Qt's own rounding differs on halves).
QString Tenths(float value) { return ToQt(Printf("%.1f", value)); }

QTableWidget* NewTable(const QStringList& headers, const char* name, QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(false);
  table->horizontalHeader()->setMinimumSectionSize(64);
  return table;
}

// A crop's name, holding its item number in the study area, and its figures right-aligned.
void AddRow(QTableWidget* table, const QString& crop, int item, const std::vector<QString>& cells) {
  const int row = table->rowCount();
  table->insertRow(row);
  auto* name = new QTableWidgetItem(crop);
  name->setData(Qt::UserRole, item);
  table->setItem(row, 0, name);
  for (size_t i = 0; i < cells.size(); ++i) {
    auto* cell = new QTableWidgetItem(cells[i]);
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, static_cast<int>(i) + 1, cell);
  }
}

QString StatusText(const RunResult& result) {
  switch (result.status) {
    case Status::kDone:
      if (result.warnings.empty()) return QStringLiteral("done");
      if (result.warnings.size() == 1) return QStringLiteral("done, with a warning");
      return QStringLiteral("done, with %1 warnings").arg(result.warnings.size());
    case Status::kCancelled:
      return ToQt(result.error.value_or("cancelled"));
    case Status::kFailed:
      return QStringLiteral("failed. ") +
             ToQt(result.error ? *result.error
                               : (result.failures.empty() ? "" : result.failures.front()));
    case Status::kReady:
    case Status::kRefused:
      break;
  }
  return QStringLiteral("not run");
}

}  // namespace

QString RunTitle(const RunParameters& run) {
  QString title = ToQt(run.FileStem() + "." + run.Extension());
  try {
    return title + QStringLiteral(", study area %1").arg(std::stoi(run.SA5()));
  } catch (const std::exception&) {
    return title;
  }
}

int StudyAreaCropCount(const std::filesystem::path& folder, const RunParameters& run) {
  try {
    const auto crops = ReadCropFile(FindInFolder(folder, run.SAFileName()));
    return crops ? static_cast<int>(crops->rows.size()) : 0;
  } catch (const std::exception&) {
    return 0;  // the run says what is wrong with it
  }
}

RunOutcomeView::RunOutcomeView(Windows windows, QWidget* parent)
    : QWidget(parent),
      windows_(windows),
      title_(new QLabel(this)),
      tabs_(new QTabWidget(this)),
      crops_caption_(new QLabel(this)),
      crops_(NewTable({QStringLiteral("Crop"), QStringLiteral("CETc"), QStringLiteral("CEr"),
                       QStringLiteral("ETAW"), QStringLiteral("AETAW")},
                      "CropMeans", this)),
      monthly_caption_(new QLabel(this)),
      monthly_(nullptr),
      warnings_(new QListWidget(this)),
      folder_label_(new QLabel(this)),
      files_(new QListWidget(this)),
      report_button_(new QPushButton(QStringLiteral("Study-Area &Report"), this)),
      chart_button_(new QPushButton(QStringLiteral("Season &Chart"), this)),
      table_button_(new QPushButton(QStringLiteral("Show File as &Table"), this)) {
  setObjectName(QStringLiteral("RunOutcome"));
  title_->setObjectName(QStringLiteral("RunOutcomeTitle"));
  title_->setWordWrap(true);
  title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  QStringList months{QStringLiteral("Crop")};
  for (const char* month : kMonthAbbreviations) months << QString::fromLatin1(month);
  months << QStringLiteral("Year");
  monthly_ = NewTable(months, "MonthlyEtaw", this);
  warnings_->setObjectName(QStringLiteral("RunWarnings"));
  warnings_->setWordWrap(true);
  files_->setObjectName(QStringLiteral("FilesWritten"));

  tabs_->addTab(BuildCropsTab(), QStringLiteral("Crops"));
  tabs_->addTab(BuildMonthlyTab(), QStringLiteral("Monthly ETAW"));
  tabs_->addTab(warnings_, QStringLiteral("Warnings"));
  tabs_->addTab(BuildFilesTab(), QStringLiteral("Files Written"));

  report_button_->setToolTip(QStringLiteral(
      "The study area's water budget: area, ETAW and volume per crop and the monthly "
      "irrigation delivered"));
  chart_button_->setToolTip(
      QStringLiteral("The daily water balance of the crop selected above, first year of the run"));
  table_button_->setToolTip(QStringLiteral("The file selected under Files Written, as a table"));
  connect(report_button_, &QPushButton::clicked, this, &RunOutcomeView::OpenReport);
  connect(chart_button_, &QPushButton::clicked, this, &RunOutcomeView::OpenSeasonChart);
  connect(table_button_, &QPushButton::clicked, this, &RunOutcomeView::OpenTable);
  connect(files_, &QListWidget::itemActivated, this, &RunOutcomeView::OpenTable);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(report_button_);
  buttons->addWidget(chart_button_);
  buttons->addWidget(table_button_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(9, 6, 9, 0);
  layout->addWidget(title_);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
}

QWidget* RunOutcomeView::BuildCropsTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  crops_caption_->setWordWrap(true);
  layout->addWidget(crops_caption_);
  layout->addWidget(crops_, 1);
  return tab;
}

QWidget* RunOutcomeView::BuildMonthlyTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  monthly_caption_->setWordWrap(true);
  layout->addWidget(monthly_caption_);
  layout->addWidget(monthly_, 1);
  return tab;
}

QWidget* RunOutcomeView::BuildFilesTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  folder_label_->setObjectName(QStringLiteral("RunFolder"));
  folder_label_->setWordWrap(true);
  folder_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(folder_label_);
  layout->addWidget(files_, 1);
  return tab;
}

void RunOutcomeView::Show(const RunResult& result, const std::filesystem::path& folder) {
  run_ = result.parameters;
  folder_ = folder;
  const bool done = result.status == Status::kDone;
  title_->setText(QStringLiteral("Last run, %1: %2").arg(RunTitle(run_), StatusText(result)));
  title_->setStyleSheet(done ? QString() : QStringLiteral("color: #b00020"));
  ShowCrops(result);
  ShowMonthly(result);
  ShowNotes(result);
  ShowFiles(result);
  report_button_->setEnabled(done);
  chart_button_->setEnabled(done && crops_->rowCount() > 0);
  table_button_->setEnabled(files_->count() > 0);
  tabs_->setCurrentIndex(done || warnings_->count() == 0 ? 0 : 2);
  show();
}

void RunOutcomeView::ShowCrops(const RunResult& result) {
  crops_->setRowCount(0);
  crops_caption_->setText(
      result.crops.empty()
          ? QStringLiteral("No figures: the run wrote no results.")
          : ToQt("Mean of a year" + OverTheRecord(run_.FileStem() + ".wrk", result.record_years) +
                 ", mm (row 9999 of each crop's .EAW): in season CETc (crop ET), CEr (effective "
                 "rain) and ETAW = CETc - CEr; AETAW the same for the whole year."));
  for (size_t i = 0; i < result.crops.size(); ++i) {
    const CropFigures& crop = result.crops[i];
    if (!crop.annual) continue;
    const auto& means = *crop.annual;
    AddRow(crops_, ToQt(crop.name), static_cast<int>(i) + 1,
           {Tenths(means[0]), Tenths(means[1]), Tenths(means[2]), Tenths(means[3])});
  }
  if (crops_->rowCount() > 0) crops_->selectRow(0);
}

void RunOutcomeView::ShowMonthly(const RunResult& result) {
  monthly_->setRowCount(0);
  monthly_caption_->setText(
      result.crops.empty()
          ? QStringLiteral("No figures: the run wrote no results.")
          : ToQt("Monthly ETAW, mm (" + SumOfEtawFileName(run_.SA5()) +
                 "): ETc less effective rain of every month, the bare soil's ETc of fallow "
                 "months included, so the months add up to more than the year's ETAW. For a "
                 "delivery schedule, see the monthly irrigation delivered in the Study-Area "
                 "Report."));
  for (size_t i = 0; i < result.crops.size(); ++i) {
    std::vector<QString> cells;
    for (float value : result.crops[i].monthly_etaw) cells.push_back(Tenths(value));
    AddRow(monthly_, ToQt(result.crops[i].name), static_cast<int>(i) + 1, cells);
  }
}

// The run's warnings, then what failed.
void RunOutcomeView::ShowNotes(const RunResult& result) {
  warnings_->clear();
  for (const std::string& warning : result.warnings) warnings_->addItem(ToQt(warning));
  for (const std::string& failure : result.failures) warnings_->addItem(ToQt(failure));
  tabs_->setTabText(2, QStringLiteral("Warnings (%1)").arg(warnings_->count()));
}

void RunOutcomeView::ShowFiles(const RunResult& result) {
  files_->clear();
  for (const std::string& file : result.files_written) files_->addItem(ToQt(file));
  if (files_->count() > 0) files_->setCurrentRow(0);
  const QString shown = PathToQt(ShownPath(folder_));
  folder_label_->setText(
      result.files_written.empty()
          ? QStringLiteral("Nothing was written to %1.").arg(shown)
          : QStringLiteral("Written to %1 (double-click a file to see it as a table):").arg(shown));
  tabs_->setTabText(3, QStringLiteral("Files Written (%1)").arg(files_->count()));
}

int RunOutcomeView::SelectedCropItem() const {
  const QTableWidget* shown = tabs_->currentIndex() == 1 ? monthly_ : crops_;
  for (const QTableWidget* table : std::initializer_list<const QTableWidget*>{shown, crops_}) {
    const auto selected = table->selectedItems();
    if (!selected.isEmpty()) {
      return table->item(selected.front()->row(), 0)->data(Qt::UserRole).toInt();
    }
  }
  return 1;
}

void RunOutcomeView::OpenReport() {
  windows_.report->sa()->setText(QString::number(ToQt(run_.SA5()).toInt()));
  windows_.report->ShowReport();
  windows_.report->show();
  windows_.report->raise();
}

void RunOutcomeView::OpenSeasonChart() {
  ChartWindow* charts = windows_.charts;
  charts->kind()->setCurrentIndex(charts->kind()->findData(QStringLiteral("season")));
  charts->sa()->setText(QString::number(ToQt(run_.SA5()).toInt()));
  charts->crop()->setValue(SelectedCropItem());
  charts->year()->clear();
  charts->Draw();
  charts->show();
  charts->raise();
}

void RunOutcomeView::OpenTable() {
  const QListWidgetItem* file = files_->currentItem();
  if (file != nullptr) windows_.table->Open(folder_ / PathFromQt(file->text()));
}

}  // namespace kelvaro::app
