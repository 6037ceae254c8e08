#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <optional>
#include <vector>

#include "crops/crop_file_rows.h"

namespace kelvaro::app {

// The crops of one study area's crop file as a table, a row of which can be chosen for editing
// or removal. Rows a run would refuse are listed too, with the reason.
class CropRowsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit CropRowsPanel(QWidget* parent);

  // Lists the crops of study area `sa_number`'s crop file in `folder`; the note says when there
  // is no such file or it cannot be read.
  void List(const std::filesystem::path& folder, int sa_number);
  // Empties the table, with `note` saying why.
  void Clear(const QString& note);
  void SetNote(const QString& note) { note_->setText(note); }
  void Select(int k);

  // The chosen row, if any.
  const CropFileLine* Selected() const;
  const std::filesystem::path& file() const { return file_; }
  int sa_number() const { return sa_number_; }

  QTableWidget* table() const { return table_; }
  QPushButton* edit_button() const { return edit_; }
  QPushButton* remove_button() const { return remove_; }
  QPushButton* new_button() const { return new_crop_; }
  QLabel* note() const { return note_; }

 private:
  void ShowRows();
  void UpdateButtons();

  QTableWidget* table_;
  QLabel* note_;
  QPushButton* edit_;
  QPushButton* remove_;
  QPushButton* new_crop_;
  std::filesystem::path file_;
  int sa_number_ = 0;
  std::vector<CropFileLine> rows_;
};

}  // namespace kelvaro::app
