#pragma once

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "app/gui_reporter.h"
#include "app/result_table_panel.h"
#include "generator/generator_check.h"
#include "session/session.h"

namespace kelvaro::app {

// How well the weather generator reproduces a station: its measured days against years generated
// from their monthly means, with a verdict per variable, every compared figure and a chart of one
// variable; the comparison is written to GeneratorCheckforSTATN.csv as the command line does.
class GeneratorCheckWindow : public QWidget {
  Q_OBJECT

 public:
  GeneratorCheckWindow(const Session& session, GuiReporter& reporter, Spreadsheet& spreadsheet,
                       QWidget* parent = nullptr);

  // Runs the check the fields ask for off the user-interface thread and shows it; a refusal
  // goes to the message line and clears what was shown.
  void Run();

  QComboBox* station() const { return station_; }
  QSpinBox* years() const { return years_; }
  QLineEdit* means() const { return means_; }
  QLabel* message() const { return message_; }
  QLabel* title() const { return title_; }
  QLabel* verdicts() const { return verdicts_; }
  ResultTablePanel* panel() const { return panel_; }
  QComboBox* variable() const { return variable_; }
  QChartView* view() const { return view_; }
  QLabel* written() const { return written_; }

 protected:
  // The data folder may have changed or gained .day files since the window was last shown.
  void showEvent(QShowEvent* event) override;

 private:
  void ListStations();
  void Browse();
  void Show(GeneratorCheck check, const std::filesystem::path& file);
  void Clear();
  void DrawVariable();
  void Warn(const QString& text);

  const Session& session_;
  GuiReporter& reporter_;
  QComboBox* station_;
  QSpinBox* years_;
  QLineEdit* means_;
  QLabel* message_;
  QLabel* title_;
  QLabel* verdicts_;
  ResultTablePanel* panel_;
  QComboBox* variable_;
  QChartView* view_;
  QLabel* written_;
  std::optional<GeneratorCheck> check_;
};

}  // namespace kelvaro::app
