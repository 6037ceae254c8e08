#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/bound_field.h"
#include "app/crop_rows_panel.h"
#include "app/crop_soil_warning_view.h"
#include "app/short_date.h"
#include "crops/crop_soil_entry.h"
#include "forms/navigator.h"

namespace kelvaro::app {

// The crop/soil entry form "Crop/Soil Data Entry": one crop at a time, appended to the study
// area's crop file by Save. The inputs a crop's class does not use stay hidden. Each refusal is
// shown beside the entry it names, as well as in the warning dialog. Below, the crops of the
// study area typed, in the data folder (or the folder the form last saved in): one can be
// edited (Save then rewrites that row only) or removed.
class CropSoilEntryView : public QDialog {
  Q_OBJECT

 public:
  using Confirm = std::function<bool(const QString& question)>;

  // `saved` is told of each row written; `data_folder` gives the folder whose crops are listed.
  CropSoilEntryView(TCropSoilEntry& model, Navigator& navigator,
                    std::function<void(const SaveOutcome&)> saved,
                    std::function<std::filesystem::path()> data_folder, QWidget* parent);

  void Activate();
  void Pull();

  QComboBox* crop_list() const { return crop_list_; }
  CropSoilWarningView* warning_view() const { return warning_view_; }
  QPushButton* save_button() const { return save_; }
  const ShortDate& dates() const { return dates_; }
  // The edit bound to a field of the model (the entry or the default shown beside it).
  QLineEdit* EditOf(const FormField& field) const;
  // The message shown beside an entry after a refused save (hidden when there is none).
  QLabel* MessageOf(CropField field) const;
  CropRowsPanel* crop_rows() const { return crop_rows_; }
  // Asked before a crop is removed; a question box unless replaced.
  void SetRemoveConfirmation(Confirm confirm) { confirm_remove_ = std::move(confirm); }

  // One labelled entry of a group, with the default shown beside it.
  struct Row {
    const char* label;
    FormField TCropSoilEntry::*entry;
    FormField TCropSoilEntry::*default_value;  // nullptr: the entry has no default
    bool date;
  };

 private:
  struct Group {
    QGroupBox* box;
    std::vector<const BoundField*> fields;
  };

  QGroupBox* AddGroup(const char* title, std::span<const Row> rows, bool with_defaults);
  QLabel* AddMessage(QGridLayout* grid, int line, const FormField* field);
  static QString CropClassTip(int crop_class);
  QGroupBox* BuildCropBox();
  void Save();
  void ShowProblems();
  void ListCrops();
  void EditChosenCrop();
  void RemoveChosenCrop();
  void NewCrop();
  void ShowEditing();

  TCropSoilEntry& model_;
  Navigator& navigator_;
  std::function<void(const SaveOutcome&)> saved_;
  ShortDate dates_;
  QComboBox* crop_list_;
  QPushButton* save_;
  CropSoilWarningView* warning_view_;
  std::vector<std::unique_ptr<BoundField>> fields_;
  std::vector<Group> groups_;
  std::vector<std::pair<const FormField*, QLabel*>> messages_;
  std::vector<std::pair<QWidget*, QSize>> columns_;  // each column with its least size
  QLabel* crop_message_ = nullptr;
  CropRowsPanel* crop_rows_ = nullptr;
  std::function<std::filesystem::path()> data_folder_;
  std::optional<std::filesystem::path> saved_in_;  // the folder of the last save, if any
  Confirm confirm_remove_;
};

}  // namespace kelvaro::app
