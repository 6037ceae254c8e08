#include "app/result_table_model.h"

#include "app/qt_text.h"

namespace kelvaro::app {

void ResultTableModel::SetTable(ResultTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::string& cell =
      table_.rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
  const bool numeric = table_.numeric[static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(cell);
    case Qt::TextAlignmentRole:
      return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case SortRole:
      if (numeric) {
        if (const auto value = CellNumber(cell)) return *value;
      }
      return ToQt(cell);
    default:
      return {};
  }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return ToQt(table_.columns[static_cast<size_t>(section)]);
}

}  // namespace kelvaro::app
