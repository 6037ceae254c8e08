#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/bound_field.h"
#include "dispatch/run_dialog.h"

namespace kelvaro::app {

class AppMemory;

// What the run dialog needs of the main window besides its model: the data folder, a way to
// read another folder when a file there is chosen, the file chooser and the remembered values.
struct RunDialogSurroundings {
  std::function<std::filesystem::path()> data_folder;
  std::function<void(const std::filesystem::path&)> change_folder;
  // The platform's file chooser, given the caption, the folder and the name filter.
  std::function<std::optional<std::filesystem::path>(const QString&, const std::filesystem::path&,
                                                     const QString&)>
      choose_file;
  AppMemory* memory = nullptr;
};

// The run dialog TGetData: the run parameters with their labels, the extension label, the
// message panel Warning, OK and Cancel, and the "Hydrologic Regions" menu of preset stations.
// Beside the station, the list of the data folder's input files of the kind and Browse; every
// other field offers its remembered values (Down opens the list).
class GetDataView : public QDialog {
  Q_OBJECT

 public:
  // `run` runs the dialog's OK: off the user-interface thread, behind the progress dialog.
  GetDataView(TGetData& model, std::function<void(const std::function<void()>&)> run,
              QWidget* parent);

  void SetSurroundings(RunDialogSurroundings surroundings);
  void SetFileChooser(decltype(RunDialogSurroundings::choose_file) chooser) {
    surroundings_.choose_file = std::move(chooser);
  }
  void Activate();
  // Shows what the model holds.
  void Pull();

  QMenuBar* presets_menu_bar() const { return menu_bar_; }
  QPlainTextEdit* warning() const { return warning_; }
  QComboBox* station_list() const { return station_list_; }
  QPushButton* browse() const { return browse_; }
  QLabel* station_note() const { return station_note_; }
  QLabel* folder_note() const { return folder_note_; }

 private:
  void AddField(FormField& field, std::string_view label, const char* name, const char* tip);
  void AddStationRow();
  void BuildPresetMenu();
  void FillStationList();
  void ChooseStation(const QString& station);
  void BrowseForFile();
  void OfferRememberedValues();
  void RememberValues();
  void PressOK();

  TGetData& model_;
  std::function<void(const std::function<void()>&)> run_;
  RunDialogSurroundings surroundings_;
  QMenuBar* menu_bar_;
  QLabel* extention_;
  QPlainTextEdit* warning_;
  QFormLayout* form_;
  QComboBox* station_list_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLabel* station_note_;
  QLabel* folder_note_;
  std::vector<std::unique_ptr<BoundField>> fields_;
  QString station_taken_;  // the station whose line last filled the fields
};

}  // namespace kelvaro::app
