#include "app/result_table_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <map>

#include "office/office_calls.h"

namespace kelvaro::app {

ResultTablePanel::ResultTablePanel(Spreadsheet& spreadsheet, Reporter& reporter, QWidget* parent)
    : QWidget(parent),
      spreadsheet_(spreadsheet),
      reporter_(reporter),
      model_(new ResultTableModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      view_(new QTableView(this)) {
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(ResultTableModel::SortRole);
  view_->setModel(sorted_);
  view_->setSortingEnabled(true);
  view_->sortByColumn(-1, Qt::AscendingOrder);  // file order until a header is clicked
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);

  auto* copy = new QPushButton(QStringLiteral("Copy"), this);
  auto* open = new QPushButton(QStringLiteral("Open in spreadsheet"), this);
  copy->setObjectName(QStringLiteral("Copy"));
  open->setObjectName(QStringLiteral("OpenInSpreadsheet"));
  connect(copy, &QPushButton::clicked, this, &ResultTablePanel::CopySelection);
  connect(open, &QPushButton::clicked, this, &ResultTablePanel::OpenInSpreadsheet);
  auto* shortcut = new QShortcut(QKeySequence::Copy, view_);
  connect(shortcut, &QShortcut::activated, this, &ResultTablePanel::CopySelection);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(open);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->addLayout(buttons);
}

void ResultTablePanel::Show(ResultTable table, const std::filesystem::path& file) {
  file_ = file;
  model_->SetTable(std::move(table));
  view_->sortByColumn(-1, Qt::AscendingOrder);
  view_->resizeColumnsToContents();
}

QString ResultTablePanel::SelectedText() const {
  // Rows and columns in the order the view shows them.
  std::map<int, std::map<int, QString>> cells;
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
    const int column = view_->horizontalHeader()->visualIndex(index.column());
    cells[index.row()][column] = index.data().toString();
  }
  QStringList lines;
  for (const auto& [row, columns] : cells) {
    QStringList line;
    for (const auto& [column, text] : columns) line << text;
    lines << line.join(QLatin1Char('\t'));
  }
  return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ResultTablePanel::CopySelection() const { QApplication::clipboard()->setText(SelectedText()); }

void ResultTablePanel::OpenInSpreadsheet() {
  if (file_.empty()) return;  // nothing shown yet
  kelvaro::OpenInSpreadsheet(spreadsheet_, file_, reporter_);
}

}  // namespace kelvaro::app
