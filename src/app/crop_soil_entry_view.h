#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/bound_field.h"
#include "app/crop_soil_warning_view.h"
#include "app/short_date.h"
#include "crops/crop_soil_entry.h"
#include "forms/navigator.h"

namespace kelvaro::app {

// The crop/soil entry form "Crop/Soil Data Entry": one crop at a time, appended to the study
// area's crop file by Save. The inputs a crop's class does not use stay hidden.
class CropSoilEntryView : public QDialog {
  Q_OBJECT

 public:
  // `saved` is told of each row written.
  CropSoilEntryView(TCropSoilEntry& model, Navigator& navigator,
                    std::function<void(const SaveOutcome&)> saved, QWidget* parent);

  void Activate();
  void Pull();

  QComboBox* crop_list() const { return crop_list_; }
  CropSoilWarningView* warning_view() const { return warning_view_; }
  QPushButton* save_button() const { return save_; }
  const ShortDate& dates() const { return dates_; }
  // The edit bound to a field of the model (the entry or the default shown beside it).
  QLineEdit* EditOf(const FormField& field) const;

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
  void Save();

  TCropSoilEntry& model_;
  Navigator& navigator_;
  std::function<void(const SaveOutcome&)> saved_;
  ShortDate dates_;
  QComboBox* crop_list_;
  QPushButton* save_;
  CropSoilWarningView* warning_view_;
  std::vector<std::unique_ptr<BoundField>> fields_;
  std::vector<Group> groups_;
};

}  // namespace kelvaro::app
