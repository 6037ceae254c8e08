#include "app/crop_rows_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "weatherio/file_naming.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::app {
namespace {

const QStringList kColumns = {QStringLiteral("No."),
                              QStringLiteral("Crop"),
                              QStringLiteral("Planting DOY"),
                              QStringLiteral("Ending DOY"),
                              QStringLiteral("Hectares"),
                              QStringLiteral("Soil AW"),
                              QStringLiteral("Rooting mm"),
                              QStringLiteral("Depletion %"),
                              QStringLiteral("Refused by a run because")};

QStringList Cells(const CropFileLine& line) {
  QStringList cells = {QString::number(line.number), ToQt(line.name)};
  if (line.row) {
    const CropRow& row = *line.row;
    cells << QString::number(row.planting_doy) << QString::number(row.ending_doy)
          << QString::number(row.area_ha) << ToQt(Printf("%.3f", row.available_water))
          << ToQt(Printf("%.2f", row.max_root_depth_mm))
          << ToQt(Printf("%.2f", row.allowable_depletion_pct));
  } else {
    for (int i = 0; i < 6; ++i) cells << QString();
  }
  return cells << ToQt(line.problem);
}

}  // namespace

CropRowsPanel::CropRowsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Crops of the study area"), parent),
      table_(new QTableWidget(0, static_cast<int>(kColumns.size()), this)),
      note_(new QLabel(this)),
      edit_(new QPushButton(QStringLiteral("Edit"), this)),
      remove_(new QPushButton(QStringLiteral("Remove"), this)),
      new_crop_(new QPushButton(QStringLiteral("New Crop"), this)) {
  setObjectName(QStringLiteral("CropRows"));
  table_->setObjectName(QStringLiteral("CropRowsTable"));
  table_->setHorizontalHeaderLabels(kColumns);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setMinimumHeight(110);
  table_->setMinimumWidth(300);
  table_->setToolTip(
      QStringLiteral("Choose a crop and Edit it (Save then rewrites that row only) "
                     "or Remove it; the other rows stay as they are."));
  edit_->setObjectName(QStringLiteral("EditCrop"));
  remove_->setObjectName(QStringLiteral("RemoveCrop"));
  new_crop_->setObjectName(QStringLiteral("NewCrop"));
  new_crop_->setToolTip(QStringLiteral("Empty the form for a crop that Save adds as a new row"));
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {edit_, remove_, new_crop_}) buttons->addWidget(button);
  buttons->addStretch();
  auto* table_and_buttons = new QHBoxLayout;
  table_and_buttons->addWidget(table_, 1);
  table_and_buttons->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note_);
  layout->addLayout(table_and_buttons);
  connect(table_, &QTableWidget::itemSelectionChanged, this, &CropRowsPanel::UpdateButtons);
  UpdateButtons();
}

void CropRowsPanel::List(const std::filesystem::path& folder, int sa_number) {
  sa_number_ = sa_number;
  file_ = FindInFolder(folder, CropFileName(sa_number));
  rows_.clear();
  std::error_code error;
  const QString name = ToQt(file_.filename().string());
  note_->setToolTip(PathToQt(file_));
  if (!std::filesystem::is_regular_file(file_, error)) {
    Clear(QStringLiteral("No %1 in the folder yet.").arg(name));
    note_->setToolTip(PathToQt(file_));
    return;
  }
  try {
    rows_ = CropFileLines(ReadCropFileBytes(file_));
    note_->setText(QStringLiteral("%1: %2 crops").arg(name).arg(rows_.size()));
  } catch (const std::exception& failure) {
    note_->setText(ToQt(failure.what()));
  }
  ShowRows();
}

void CropRowsPanel::Clear(const QString& note) {
  rows_.clear();
  note_->setText(note);
  note_->setToolTip(QString());
  ShowRows();
}

void CropRowsPanel::ShowRows() {
  table_->clearContents();
  table_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < table_->rowCount(); ++r) {
    const QStringList cells = Cells(rows_[static_cast<size_t>(r)]);
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c != 1 && c + 1 != cells.size())
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  table_->resizeColumnsToContents();
  UpdateButtons();
}

void CropRowsPanel::Select(int k) {
  if (k >= 1 && k <= table_->rowCount()) table_->selectRow(k - 1);
}

const CropFileLine* CropRowsPanel::Selected() const {
  const auto chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return nullptr;
  const auto row = static_cast<size_t>(chosen.front().row());
  return row < rows_.size() ? &rows_[row] : nullptr;
}

void CropRowsPanel::UpdateButtons() {
  const CropFileLine* chosen = Selected();
  edit_->setEnabled(chosen != nullptr && chosen->row.has_value());
  remove_->setEnabled(chosen != nullptr);
}

}  // namespace kelvaro::app
