#pragma once

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <vector>

#include "app/bound_field.h"
#include "dispatch/run_dialog.h"

namespace kelvaro::app {

// The run dialog TGetData: the run parameters with their labels, the extension label, the
// message panel Warning, OK and Cancel, and the "Hydrologic Regions" menu of preset stations.
class GetDataView : public QDialog {
  Q_OBJECT

 public:
  // `run` runs the dialog's OK: off the user-interface thread, behind the progress dialog.
  GetDataView(TGetData& model, std::function<void(const std::function<void()>&)> run,
              QWidget* parent);

  void Activate();
  // Shows what the model holds.
  void Pull();

  QMenuBar* presets_menu_bar() const { return menu_bar_; }
  QPlainTextEdit* warning() const { return warning_; }

 private:
  void AddField(FormField& field, std::string_view label, const char* name);
  void BuildPresetMenu();
  void PressOK();

  TGetData& model_;
  std::function<void(const std::function<void()>&)> run_;
  QMenuBar* menu_bar_;
  QLabel* extention_;
  QPlainTextEdit* warning_;
  QFormLayout* form_;
  std::vector<std::unique_ptr<BoundField>> fields_;
};

}  // namespace kelvaro::app
