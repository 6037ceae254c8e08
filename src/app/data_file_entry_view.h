#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <functional>
#include <memory>
#include <vector>

#include "app/bound_field.h"
#include "viewers/data_file_entry.h"

namespace kelvaro::app {

// TDataFileEntry: an input kind, a station name, latitude and elevation; OK writes the empty
// template of that kind as NAME.KIND in the data folder, asking before it replaces a file.
class DataFileEntryView : public QDialog {
  Q_OBJECT

 public:
  DataFileEntryView(TDataFileEntry& model, std::function<void(const std::function<void()>&)> run,
                    QWidget* parent);

  void Activate();
  void Pull();
  QComboBox* kinds() const { return kinds_; }
  QLabel* explanation() const { return explanation_; }
  QLineEdit* field(size_t index) const { return fields_.at(index)->edit(); }

 private:
  void Write();
  bool AskToReplace();
  void AddField(FormField& field, std::string_view label, const char* name);

  TDataFileEntry& model_;
  std::function<void(const std::function<void()>&)> run_;
  QComboBox* kinds_;
  QLabel* explanation_;
  QFormLayout* form_;
  std::vector<std::unique_ptr<BoundField>> fields_;
};

}  // namespace kelvaro::app
