#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTextEdit>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/gui_navigator.h"
#include "app/gui_reporter.h"
#include "app/window_routes.h"
#include "crops/crop_soil_entry.h"
#include "dispatch/main_window_commands.h"
#include "dispatch/path_dialogs.h"
#include "dispatch/run_dialog.h"
#include "help/help_selectors.h"
#include "help/help_windows.h"
#include "office/spreadsheet.h"
#include "office/word_processor.h"
#include "session/session.h"
#include "viewers/data_file_entry.h"
#include "viewers/output_files.h"
#include "viewers/result_finders.h"
#include "viewers/statistics_dialogs.h"

namespace kelvaro::app {

class AppMemory;
class CropSoilEntryView;
class DataFileEntryView;
class GetDataView;
class GuideBrowser;
class HelpWindowView;
class ListChoiceView;
class OutputFilesView;
class ResultFilesView;
class RunOutcomeView;
class SaFinderView;
class TableOrSpreadsheet;
class TableWindow;
class StatisticsView;

// The spreadsheet and word processor the windows hand files to.
struct OfficeServers {
  std::unique_ptr<Spreadsheet> spreadsheet;
  std::unique_ptr<WordProcessor> word;
};
using OfficeFactory = std::function<OfficeServers(const Session&)>;
// LibreOffice, or the desktop's default applications.
OfficeServers DesktopOfficeServers(const Session& session);

// The main window: menus, toolbar and named actions that open the dialogs, the message area
// RichEdit1 for the operations' trace lines, and the data folder in the status bar. Every dialog
// is made once here and only shown and hidden afterwards.
class TKELVARO : public QMainWindow {
  Q_OBJECT

 public:
  explicit TKELVARO(std::filesystem::path data_folder,
                    const OfficeFactory& office = &DesktopOfficeServers, QWidget* parent = nullptr);
  ~TKELVARO() override;

  void RunCommand(const MainWindowCommand& command);
  void OpenWindow(const WindowRequest& request);
  // The dialog models' requests (GuiNavigator). Windows asked for during a run open after it.
  void OpenDialog(Dialog dialog);
  void CloseDialog(Dialog dialog);
  std::optional<std::filesystem::path> AskDirectory(const QString& title);

  void ShowPathDialog(Dialog id);
  void ShowRunDialog();
  void ShowCropSoilEntry();
  void ShowHelpWindow(HelpWindow id);
  void ShowHelpSelector(std::string_view name);
  // The statistics dialog, first told which statistic when the command names one.
  void ShowStatistics(std::string_view ext);
  void ShowStatisticsPath();
  void ShowUserGuide();
  void ShowDataFileEntry();
  // The finders by SA number, told first what the opening command sets on them.
  void ShowFinder(Dialog id, const WindowRequest& request);
  void ShowOutputFiles();
  void ShowResultFiles();
  // The run dialog for the input kind of the last run (remembered between sessions); the
  // weather path dialog when there was none.
  void RunLastKind();
  // The directory chooser; the chosen folder becomes the data folder.
  void OpenDataFolder();

  void SetDataFolder(const std::filesystem::path& folder);
  const std::filesystem::path& data_folder() const { return session_.data_dir; }
  bool run_active() const { return run_active_; }

  // The platform's directory chooser; tests answer it directly.
  using DirectoryChooser = std::function<std::optional<std::filesystem::path>(const QString&)>;
  void SetDirectoryChooser(DirectoryChooser chooser) { choose_directory_ = std::move(chooser); }

  // The named action of that name ("InputWeather").
  QAction* NamedAction(std::string_view name) const;
  QTextEdit* RichEdit1() const { return rich_edit_; }
  QLabel* folder_label() const { return folder_label_; }
  ListChoiceView* path_view(Dialog id) const { return path_views_.at(id); }
  GetDataView* get_data_view() const { return get_data_view_; }
  CropSoilEntryView* crop_soil_view() const { return crop_soil_view_; }
  HelpWindowView* help_view(HelpWindow id) const { return help_views_.at(id); }
  ListChoiceView* selector_view(std::string_view name) const;
  StatisticsView* statistics_view() const { return statistics_view_; }
  ListChoiceView* statistics_path_view() const { return statistics_path_view_; }
  GuideBrowser* guide() const { return guide_; }
  DataFileEntryView* data_file_entry_view() const { return data_file_entry_view_; }
  SaFinderView* finder_view(Dialog id) const { return finder_views_.at(id); }
  OutputFilesView* output_files_view() const { return output_files_view_; }
  ResultFilesView* result_files_view() const { return result_files_view_; }
  TableWindow* table_window() const { return table_window_; }
  RunOutcomeView* run_outcome_view() const { return run_outcome_view_; }
  AppMemory& memory() const { return *memory_; }
  QMenu* recent_folders_menu() const { return recent_folders_menu_; }
  TGetData& run_dialog() { return get_data_; }
  TCropSoilEntry& crop_soil_entry() { return crop_soil_entry_; }

 signals:
  // Every window a command or a dialog opens, with what it sets on it first.
  void windowRequested(const QString& window, const QString& ext, const QString& caption,
                       const QString& label);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildFileMenu();
  void FillRecentFolders();
  void AddShortcutsAndTips();
  void BuildMenus();
  void BuildToolbar();
  void BuildNamedActions();
  void BuildDialogs();
  void BuildChoiceDialogs();
  void BuildFinderDialogs();
  void RunInBackground(const std::function<void()>& command, bool cancellable = false);
  // The run dialog's OK: its run under a heading of the message area, then its outcome.
  void RunFromRunDialog(const std::function<void()>& command);
  void WriteInFolder(const std::function<void()>& command);
  QAction* CommandAction(std::string_view caption, std::string_view command, QObject* owner);

  QTextEdit* rich_edit_;
  QLabel* folder_label_;
  GuiReporter reporter_;
  Session session_;
  GuiNavigator navigator_;
  TGetData get_data_;
  std::vector<std::unique_ptr<PathDialog>> path_dialogs_;
  TCropSoilEntry crop_soil_entry_;
  HelpSelector help_input_data_;
  HelpSelector help_output_data_;
  OfficeServers office_;
  // What the finders and viewers hand files to: the spreadsheet, or the table window.
  std::unique_ptr<TableOrSpreadsheet> viewer_office_;
  TGetSimulatedStationName statistics_;
  TStatisticsPath statistics_path_;
  TDataFileEntry data_file_entry_;
  ResultFinders finders_;
  TOutputFiles output_files_;
  TResultFiles result_files_;

  std::map<Dialog, ListChoiceView*> path_views_;
  GetDataView* get_data_view_ = nullptr;
  CropSoilEntryView* crop_soil_view_ = nullptr;
  std::map<HelpWindow, HelpWindowView*> help_views_;
  ListChoiceView* input_selector_view_ = nullptr;
  ListChoiceView* output_selector_view_ = nullptr;
  StatisticsView* statistics_view_ = nullptr;
  ListChoiceView* statistics_path_view_ = nullptr;
  GuideBrowser* guide_ = nullptr;
  DataFileEntryView* data_file_entry_view_ = nullptr;
  std::map<Dialog, SaFinderView*> finder_views_;
  OutputFilesView* output_files_view_ = nullptr;
  ResultFilesView* result_files_view_ = nullptr;
  TableWindow* table_window_ = nullptr;
  RunOutcomeView* run_outcome_view_ = nullptr;
  // Every dialog a model may close, by its name.
  std::map<Dialog, QWidget*> closable_;
  std::map<std::string_view, QAction*> named_actions_;

  std::unique_ptr<AppMemory> memory_;
  QMenu* recent_folders_menu_ = nullptr;
  DirectoryChooser choose_directory_;
  bool run_active_ = false;
  bool close_after_run_ = false;  // the window was closed during a run, which was cancelled
  std::vector<Dialog> opened_during_run_;
};

}  // namespace kelvaro::app
