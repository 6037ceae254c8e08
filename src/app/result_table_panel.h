#pragma once

#include <QSortFilterProxyModel>
#include <QTableView>
#include <QWidget>
#include <filesystem>

#include "app/result_table_model.h"
#include "office/spreadsheet.h"
#include "session/reporter.h"

namespace kelvaro::app {

// A result table, sortable by any column, with "Copy" (the selected cells to the clipboard, also
// the usual copy keys) and "Open in spreadsheet" (the file the table shows) under it.
class ResultTablePanel : public QWidget {
  Q_OBJECT

 public:
  ResultTablePanel(Spreadsheet& spreadsheet, Reporter& reporter, QWidget* parent);

  // `file` is what "Open in spreadsheet" opens.
  void Show(ResultTable table, const std::filesystem::path& file);

  // The selected cells as tab-separated lines, as a spreadsheet pastes them.
  QString SelectedText() const;
  void CopySelection() const;
  void OpenInSpreadsheet();

  QTableView* view() const { return view_; }
  const ResultTableModel& model() const { return *model_; }

 private:
  Spreadsheet& spreadsheet_;
  Reporter& reporter_;
  std::filesystem::path file_;
  ResultTableModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* view_;
};

}  // namespace kelvaro::app
