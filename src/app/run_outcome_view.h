#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <filesystem>
#include <vector>

#include "dispatch/study_area_run.h"

namespace kelvaro::app {

class ChartWindow;
class ReportWindow;
class TableWindow;

// What the last run of the run dialog came to, under the main window's menus: whether it was
// done, cancelled or failed; per crop the means of a year the command line prints (in season
// CETc, CEr and ETAW, the whole year's AETAW, mm) and the monthly ETAW; its warnings; the folder
// and the files it wrote. Its buttons open the study area's report, the season chart of the
// selected crop and any file written as a table.
class RunOutcomeView : public QWidget {
  Q_OBJECT

 public:
  // The windows the buttons open; they belong to the main window.
  struct Windows {
    ReportWindow* report = nullptr;
    ChartWindow* charts = nullptr;
    TableWindow* table = nullptr;
  };
  RunOutcomeView(Windows windows, QWidget* parent);

  void Show(const RunResult& result, const std::filesystem::path& folder);

  QLabel* title() const { return title_; }
  QTabWidget* tabs() const { return tabs_; }
  QTableWidget* crops() const { return crops_; }
  QTableWidget* monthly() const { return monthly_; }
  QListWidget* warnings() const { return warnings_; }
  QListWidget* files() const { return files_; }
  QPushButton* report_button() const { return report_button_; }
  QPushButton* chart_button() const { return chart_button_; }
  QPushButton* table_button() const { return table_button_; }

  void OpenReport();
  // The season chart of the crop selected in either table, the first crop when none is.
  void OpenSeasonChart();
  // The file selected in the list of files written.
  void OpenTable();

 private:
  QWidget* BuildCropsTab();
  QWidget* BuildMonthlyTab();
  QWidget* BuildFilesTab();
  void ShowCrops(const RunResult& result);
  void ShowMonthly(const RunResult& result);
  void ShowNotes(const RunResult& result);
  void ShowFiles(const RunResult& result);
  int SelectedCropItem() const;

  Windows windows_;
  RunParameters run_;
  std::filesystem::path folder_;
  QLabel* title_;
  QTabWidget* tabs_;
  QLabel* crops_caption_;
  QTableWidget* crops_;
  QLabel* monthly_caption_;
  QTableWidget* monthly_;
  QListWidget* warnings_;
  QLabel* folder_label_;
  QListWidget* files_;
  QPushButton* report_button_;
  QPushButton* chart_button_;
  QPushButton* table_button_;
};

// "MARIC.day, study area 1": what a run reads, for its heading and its outcome.
QString RunTitle(const RunParameters& run);
// The crops of the run's study area, 0 when its crop file cannot be read.
int StudyAreaCropCount(const std::filesystem::path& folder, const RunParameters& run);

}  // namespace kelvaro::app
