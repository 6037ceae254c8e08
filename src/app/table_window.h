#pragma once

#include <QLabel>
#include <QWidget>
#include <filesystem>

#include "app/result_table_panel.h"

namespace kelvaro::app {

// Any result or input file of the data folder as a table: its title line above, the columns
// named by its header lines.
class TableWindow : public QWidget {
  Q_OBJECT

 public:
  TableWindow(Spreadsheet& spreadsheet, Reporter& reporter, QWidget* parent = nullptr);

  // Shows `file`; false (with a message) when it cannot be read.
  bool Open(const std::filesystem::path& file);

  ResultTablePanel* panel() const { return panel_; }
  QLabel* title() const { return title_; }

 private:
  Reporter& reporter_;
  QLabel* title_;
  ResultTablePanel* panel_;
};

}  // namespace kelvaro::app
