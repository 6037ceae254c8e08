#pragma once

#include <QAbstractTableModel>

#include "analysis/result_table.h"

namespace kelvaro::app {

// A result table for Qt's views: cells as written, numbers right-aligned and sorted by value
// (SortRole), the column names as header.
class ResultTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int SortRole = Qt::UserRole + 1;

  explicit ResultTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetTable(ResultTable table);
  const ResultTable& table() const { return table_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  ResultTable table_;
};

}  // namespace kelvaro::app
