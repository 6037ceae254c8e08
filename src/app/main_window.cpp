#include "app/main_window.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QIcon>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_memory.h"
#include "app/background_run.h"
#include "app/chart_window.h"
#include "app/crop_soil_entry_view.h"
#include "app/data_file_entry_view.h"
#include "app/get_data_view.h"
#include "app/guide_browser.h"
#include "app/help_window_view.h"
#include "app/list_choice_view.h"
#include "app/message_box.h"
#include "app/mnemonics.h"
#include "app/on_screen.h"
#include "app/output_files_view.h"
#include "app/qt_text.h"
#include "app/report_window.h"
#include "app/results_menu.h"
#include "app/run_outcome_view.h"
#include "app/run_progress_dialog.h"
#include "app/sa_finder_view.h"
#include "app/statistics_view.h"
#include "app/table_or_spreadsheet.h"
#include "app/table_window.h"
#include "app/ui_thread.h"
#include "dispatch/input_kinds.h"
#include "help/user_guide.h"
#include "office/desktop_office.h"
#include "office/office_calls.h"
#include "weatherio/folder_lock.h"
#include "weatherio/message_text.h"
#include "weatherio/staged_run.h"

// The guide and the icon are compiled into the program's static library, whose resources
// register only when asked to.
static void RegisterResources() { Q_INIT_RESOURCE(kelvaro); }

namespace kelvaro::app {
namespace {

constexpr auto kDataFolderItem = "Data Folder...";
constexpr auto kDataFolderTitle = "Choose the data folder";

// What a result file of the extension holds, from the heading of its help page: "csv: daily
// water balance of one crop". The statistics are named by their dialog's caption.
QString ResultTip(std::string_view ext) {
  if (ext.empty()) return QString();
  for (const HelpPage& page : OutputFilesPages()) {
    if (page.title != ext) continue;
    const std::string_view heading = page.markdown.substr(0, page.markdown.find('\n'));
    return ToQt(heading.substr(heading.find_first_not_of("# ")));
  }
  for (const StatisticChoice& choice : kStatisticChoices) {
    if (choice.ext == ext) return ToQt(choice.ext) + QStringLiteral(": ") + ToQt(choice.caption);
  }
  return QString();
}

QStringList Items(const auto& choices, auto item) {
  QStringList items;
  for (const auto& choice : choices) items << ToQt(choice.*item);
  return items;
}

}  // namespace

OfficeServers DesktopOfficeServers(const Session& session) {
  return {std::make_unique<DesktopSpreadsheet>(session),
          std::make_unique<DesktopWordProcessor>(session)};
}

TKELVARO::TKELVARO(std::filesystem::path data_folder, const OfficeFactory& office, QWidget* parent)
    : QMainWindow(parent),
      rich_edit_(new QTextEdit),
      folder_label_(new QLabel),
      reporter_(this, rich_edit_),
      session_(std::move(data_folder), reporter_),
      navigator_(*this),
      get_data_(session_, navigator_),
      crop_soil_entry_(QDate::currentDate().year()),
      help_input_data_(kHelpInputData),
      help_output_data_(kHelpOutputData),
      office_(office(session_)),
      viewer_office_(std::make_unique<TableOrSpreadsheet>(
          *office_.spreadsheet,
          [this](const std::filesystem::path& file) {
            OnUiThread(
                this, [this, file] { table_window_->Open(file); }, true);
          },
          [this](const std::string& text) { reporter_.MessageBox(text); })),
      statistics_(session_, *viewer_office_, navigator_),
      statistics_path_(statistics_, navigator_),
      data_file_entry_(session_, *viewer_office_, navigator_),
      finders_(session_, *viewer_office_, navigator_),
      output_files_(session_, *viewer_office_, navigator_),
      result_files_(navigator_),
      memory_(std::make_unique<AppMemory>()) {
  static const bool resources_registered = (RegisterResources(), true);
  (void)resources_registered;
  setObjectName(QStringLiteral("TKELVARO"));
  setWindowTitle(QStringLiteral("KELVARO"));
  setWindowIcon(QIcon(QStringLiteral(":/kelvaro/kelvaro.png")));
  choose_directory_ = [this](const QString& title) -> std::optional<std::filesystem::path> {
    const QString folder =
        QFileDialog::getExistingDirectory(this, title, PathToQt(session_.data_dir));
    if (folder.isEmpty()) return std::nullopt;
    return PathFromQt(folder);
  };

  rich_edit_->setObjectName(QStringLiteral("RichEdit1"));
  rich_edit_->setReadOnly(true);
  // The outcome of the last run above the messages, once there is one.
  auto* central = new QSplitter(Qt::Vertical, this);
  central->setObjectName(QStringLiteral("MainSplitter"));
  auto* messages = new QWidget(central);
  auto* layout = new QVBoxLayout(messages);
  auto* caption = new QLabel(QStringLiteral("Messages of the operations:"), messages);
  caption->setBuddy(rich_edit_);
  layout->addWidget(caption);
  layout->addWidget(rich_edit_);
  setCentralWidget(central);
  folder_label_->setObjectName(QStringLiteral("DataFolder"));
  statusBar()->addPermanentWidget(folder_label_);

  BuildNamedActions();
  BuildFileMenu();
  BuildMenus();
  BuildToolbar();
  BuildDialogs();
  run_outcome_view_ = new RunOutcomeView(
      {findChild<ReportWindow*>(), findChild<ChartWindow*>(), table_window_}, central);
  run_outcome_view_->hide();
  central->insertWidget(0, run_outcome_view_);
  central->setStretchFactor(0, 3);
  central->setStretchFactor(1, 2);
  AddShortcutsAndTips();
  AddMnemonics(*menuBar());
  new OnScreen(this);
  SetDataFolder(session_.data_dir);
  resize(1180, 640);
}

TKELVARO::~TKELVARO() = default;

QAction* TKELVARO::CommandAction(std::string_view caption, std::string_view command,
                                 QObject* owner) {
  auto* action = new QAction(ToQt(caption), owner);
  const MainWindowCommand* target = FindMainWindowCommand(command);
  if (target != nullptr) action->setToolTip(ResultTip(target->ext));
  connect(action, &QAction::triggered, this, [this, target] {
    if (target != nullptr) RunCommand(*target);
  });
  return action;
}

// The named actions belong to the window; menu items and buttons are actions of their own with
// their own captions, running the same commands.
void TKELVARO::BuildNamedActions() {
  for (const MainWindowCommand& command : kMainWindowCommands) {
    if (command.category.empty()) continue;
    QAction* action = CommandAction(command.name, command.name, this);
    action->setObjectName(ToQt(command.name));
    action->setProperty("category", ToQt(command.category));
    addAction(action);
    named_actions_[command.name] = action;
  }
}

// The program's own File menu, before the system's menus.
void TKELVARO::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  QAction* open = file->addAction(QStringLiteral("&Open Data Folder..."));
  open->setObjectName(QStringLiteral("OpenDataFolder"));
  open->setShortcut(QKeySequence::Open);
  open->setToolTip(QStringLiteral("Choose the folder of the input files, where runs write"));
  connect(open, &QAction::triggered, this, &TKELVARO::OpenDataFolder);
  recent_folders_menu_ = file->addMenu(QStringLiteral("&Recent Folders"));
  recent_folders_menu_->setObjectName(QStringLiteral("RecentFolders"));
  connect(recent_folders_menu_, &QMenu::aboutToShow, this, &TKELVARO::FillRecentFolders);
  FillRecentFolders();
  QAction* again = file->addAction(QStringLiteral("Run the &Last Kind Again..."));
  again->setObjectName(QStringLiteral("RunLastKind"));
  again->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  again->setToolTip(QStringLiteral("The run dialog for the input kind of the last run"));
  connect(again, &QAction::triggered, this, &TKELVARO::RunLastKind);
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Quit"));
  quit->setObjectName(QStringLiteral("Quit"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit->setMenuRole(QAction::QuitRole);
  connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TKELVARO::FillRecentFolders() {
  recent_folders_menu_->clear();
  int number = 0;
  for (const QString& folder : memory_->RecentFolders()) {
    QAction* item = recent_folders_menu_->addAction(
        QStringLiteral("&%1 %2").arg(++number).arg(QString(folder).replace('&', "&&")));
    item->setData(folder);
    connect(item, &QAction::triggered, this, [this, folder] {
      std::error_code error;
      if (std::filesystem::is_directory(PathFromQt(folder), error)) {
        SetDataFolder(PathFromQt(folder));
      } else {
        ShowMessageBox(this, QStringLiteral("The folder %1 is no longer there").arg(folder));
      }
    });
  }
  recent_folders_menu_->setEnabled(number > 0);
}

// Keys of the usual desktop programs, and tooltips that say what a kind or a result holds.
void TKELVARO::AddShortcutsAndTips() {
  for (QAction* menu : menuBar()->actions()) {
    if (menu->menu() == nullptr) continue;
    menu->menu()->setToolTipsVisible(true);
    for (QAction* item : menu->menu()->actions()) {
      if (menu->text() == "User's Guide" && item->text() == "User's Guide") {
        item->setShortcut(QKeySequence::HelpContents);
      }
    }
  }
  for (int i = 0; i < output_files_view_->kinds()->count(); ++i) {
    const QString tip = ResultTip(FromQt(output_files_view_->kinds()->itemText(i)));
    if (!tip.isEmpty()) output_files_view_->kinds()->setItemData(i, tip, Qt::ToolTipRole);
  }
  for (const PathDialogLayout& layout : kPathDialogs) {
    QComboBox* kinds = path_views_.at(layout.id)->combo();
    for (size_t i = 0; i < layout.choices.size(); ++i) {
      const auto kind = FindInputKind(layout.choices[i].ext);
      if (!kind || layout.choices[i].ext.empty()) continue;
      kinds->setItemData(static_cast<int>(i),
                         QStringLiteral(".%1 files: %2").arg(ToQt(kind->ext), ToQt(kind->meaning)),
                         Qt::ToolTipRole);
    }
  }
}

void TKELVARO::BuildMenus() {
  for (const MainMenu& menu : MainMenus()) {
    QMenu* shown = menuBar()->addMenu(ToQt(menu.caption));
    for (const CommandButton& item : menu.items) {
      shown->addAction(CommandAction(item.caption, item.command, shown));
    }
    if (menu.caption == "Output Files") {
      table_window_ = AddResultWindows(*shown, *this, session_, *office_.spreadsheet, reporter_);
    }
    // Choosing another data folder is ours: the system works in its start folder only.
    if (menu.caption == "Apply Data Files") {
      shown->addSeparator();
      QAction* folder = shown->addAction(QString::fromLatin1(kDataFolderItem));
      folder->setObjectName(QStringLiteral("ChooseDataFolder"));
      connect(folder, &QAction::triggered, this, &TKELVARO::OpenDataFolder);
    }
  }
}

// Fourteen text buttons do not fit one row of a usual screen: the buttons that apply and create
// inputs come first, those that look at results and help on a second row.
void TKELVARO::BuildToolbar() {
  constexpr size_t kInputButtons = 6;
  const auto buttons = ToolbarButtons();
  QToolBar* inputs = addToolBar(QStringLiteral("Inputs"));
  addToolBarBreak();
  QToolBar* outputs = addToolBar(QStringLiteral("Outputs"));
  inputs->setObjectName(QStringLiteral("Toolbar"));
  outputs->setObjectName(QStringLiteral("OutputToolbar"));
  for (size_t i = 0; i < buttons.size(); ++i) {
    QToolBar* toolbar = i < kInputButtons ? inputs : outputs;
    toolbar->addAction(CommandAction(buttons[i].caption, buttons[i].command, toolbar));
  }
  for (QToolBar* toolbar : {inputs, outputs}) {
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->setMovable(false);
  }
}

void TKELVARO::BuildDialogs() {
  BuildChoiceDialogs();
  const auto run = [this](const std::function<void()>& command) { RunFromRunDialog(command); };
  const auto writing = [this](const std::function<void()>& command) { WriteInFolder(command); };
  get_data_view_ = new GetDataView(get_data_, run, this);  // a run locks the folder itself
  get_data_view_->SetSurroundings(
      {[this] { return session_.data_dir; },
       [this](const std::filesystem::path& folder) { SetDataFolder(folder); },
       [this](const QString& title, const std::filesystem::path& folder,
              const QString& filter) -> std::optional<std::filesystem::path> {
         const QString file =
             QFileDialog::getOpenFileName(get_data_view_, title, PathToQt(folder), filter);
         if (file.isEmpty()) return std::nullopt;
         return PathFromQt(file);
       },
       memory_.get()});
  statistics_view_ = new StatisticsView(
      statistics_, writing,
      [this](const std::function<void()>& command) { viewer_office_->AsTable(command); },
      [this](const QString& station) {
        if (auto* charts = findChild<ChartWindow*>()) charts->ShowDailyStatistics(station);
      },
      this);
  statistics_view_->SetMemory(memory_.get());
  crop_soil_view_ = new CropSoilEntryView(
      crop_soil_entry_, navigator_,
      [this](const SaveOutcome& saved) {
        statusBar()->showMessage(
            QStringLiteral("Added %1 to %2").arg(ToQt(saved.row.name), PathToQt(saved.file)),
            15000);
      },
      [this] { return data_folder(); }, this);
  for (const HelpWindowLayout& layout : HelpWindows()) {
    help_views_[layout.id] = new HelpWindowView(layout, this);
  }
  guide_ = new GuideBrowser(this);
  data_file_entry_view_ = new DataFileEntryView(data_file_entry_, writing, this);
  const auto as_table = [this](const std::function<void()>& command) {
    viewer_office_->AsTable(command);
  };
  output_files_view_ = new OutputFilesView(output_files_, writing, as_table, this);
  result_files_view_ = new ResultFilesView(result_files_, this);
  BuildFinderDialogs();
  closable_ = {{Dialog::TGetData, get_data_view_},
               {Dialog::TGetSimulatedStationName, statistics_view_},
               {Dialog::TStatisticsPath, statistics_path_view_},
               {Dialog::TDataFileEntry, data_file_entry_view_},
               {Dialog::TOutputFiles, output_files_view_},
               {Dialog::TResultFiles, result_files_view_}};
  for (const auto& [id, view] : path_views_) closable_[id] = view;
  for (const auto& [id, view] : finder_views_) closable_[id] = view;
}

// The path dialogs, the help selectors and the statistics chooser: a list, OK and Cancel.
void TKELVARO::BuildChoiceDialogs() {
  for (const PathDialogLayout& layout : kPathDialogs) {
    path_dialogs_.push_back(std::make_unique<PathDialog>(layout.id, get_data_, navigator_));
    PathDialog& model = *path_dialogs_.back();
    path_views_[layout.id] = new ListChoiceView(ToQt(DialogName(layout.id)), ToQt(layout.caption),
                                                QString(), Items(layout.choices, &PathChoice::item),
                                                {[&model] {
                                                   model.FormActivate();
                                                   return model.selected;
                                                 },
                                                 [&model](int index) {
                                                   model.selected = index;
                                                   model.ButtonOKClick();
                                                 },
                                                 [&model] { model.ButtonCancelClick(); }},
                                                this);
  }
  for (HelpSelector* model : {&help_input_data_, &help_output_data_}) {
    const HelpSelectorLayout& layout = model->layout();
    ListChoiceView*& view =
        model == &help_input_data_ ? input_selector_view_ : output_selector_view_;
    view = new ListChoiceView(ToQt(layout.name), ToQt(layout.caption), ToQt(layout.label),
                              Items(layout.choices, &HelpChoice::item),
                              {[model] {
                                 model->FormActivate();
                                 return model->selected;
                               },
                               [this, model, &view](int index) {
                                 model->selected = index;
                                 view->hide();
                                 ShowHelpWindow(model->ButtonOKClick());
                               },
                               [&view] { view->hide(); }},
                              this);
  }
  statistics_path_view_ = new ListChoiceView(
      QStringLiteral("TStatisticsPath"), ToQt(kStatisticsPathCaption), ToQt(kStatisticsPathHeading),
      Items(kStatisticChoices, &StatisticChoice::list_item),
      {[this] {
         statistics_path_.FormActivate();
         return statistics_path_.StatisticsPathCombo;
       },
       [this](int index) {
         statistics_path_.StatisticsPathCombo = index;
         statistics_path_.ButtonOKClick();
       },
       [this] { statistics_path_.ButtonCancelClick(); }},
      this);
}

void TKELVARO::BuildFinderDialogs() {
  const auto run = [this](const std::function<void()>& command) { WriteInFolder(command); };
  const auto as_table = [this](const std::function<void()>& command) {
    viewer_office_->AsTable(command);
  };
  for (const FinderVariant& variant : kFinderVariants) {
    finder_views_[variant.id] = new SaFinderView(ToQt(DialogName(variant.id)),
                                                 finders_.at(variant.id), as_table, run, this);
    finder_views_[variant.id]->SetMemory(memory_.get());
  }
}

void TKELVARO::RunCommand(const MainWindowCommand& command) {
  OpenWindow({command.window, command.ext, command.caption, command.label});
}

void TKELVARO::OpenWindow(const WindowRequest& request) {
  emit windowRequested(ToQt(request.window), ToQt(request.ext), ToQt(request.caption),
                       ToQt(request.label));
  const WindowRoute* route = FindWindowRoute(request.window);
  if (route != nullptr) route->open(*this, request);
}

void TKELVARO::OpenDialog(Dialog dialog) {
  if (run_active_) {
    opened_during_run_.push_back(dialog);
    return;
  }
  OpenWindow({DialogName(dialog), "", "", ""});
}

void TKELVARO::CloseDialog(Dialog dialog) {
  if (const auto view = closable_.find(dialog); view != closable_.end()) view->second->hide();
}

std::optional<std::filesystem::path> TKELVARO::AskDirectory(const QString& title) {
  return choose_directory_ ? choose_directory_(title) : std::nullopt;
}

void TKELVARO::ShowPathDialog(Dialog id) { path_views_.at(id)->Activate(); }
void TKELVARO::ShowRunDialog() { get_data_view_->Activate(); }
void TKELVARO::ShowCropSoilEntry() { crop_soil_view_->Activate(); }
void TKELVARO::ShowHelpWindow(HelpWindow id) { help_views_.at(id)->Activate(); }

ListChoiceView* TKELVARO::selector_view(std::string_view name) const {
  return name == kHelpInputData.name ? input_selector_view_ : output_selector_view_;
}

void TKELVARO::ShowHelpSelector(std::string_view name) { selector_view(name)->Activate(); }

void TKELVARO::ShowStatistics(std::string_view ext) {
  for (const StatisticChoice& choice : kStatisticChoices) {
    if (!ext.empty() && choice.ext == ext) statistics_.Choose(choice);
  }
  statistics_view_->Activate();
}

void TKELVARO::ShowStatisticsPath() { statistics_path_view_->Activate(); }

// The guide document of the data folder goes to the word processor, as the system has it;
// without one the guide that comes with the program opens in its own browser.
void TKELVARO::ShowUserGuide() {
  if (const auto document = FindUserGuideDocument(session_.data_dir)) {
    OpenUserGuide(*office_.word, session_.data_dir, reporter_);
    return;
  }
  guide_->Activate();
}

void TKELVARO::ShowDataFileEntry() { data_file_entry_view_->Activate(); }

void TKELVARO::ShowFinder(Dialog id, const WindowRequest& request) {
  finders_.at(id).Configure(request.ext, request.caption, request.label);
  finder_views_.at(id)->Activate();
}

void TKELVARO::ShowOutputFiles() { output_files_view_->Activate(); }

void TKELVARO::RunLastKind() {
  std::string ext = get_data_.ext;
  if (ext.empty()) ext = FromQt(memory_->LastKind());
  const auto kind = FindInputKind(ext);
  if (!kind) {
    ShowPathDialog(Dialog::TAnalysisPath);
    return;
  }
  const DispatchRow& row = DispatchRowOf(*kind);
  get_data_.SetExtension(kind->ext);
  get_data_.Years.visible = row.needs_years;
  get_data_.FetchVal.visible = row.needs_fetch;
  ShowRunDialog();
}

void TKELVARO::OpenDataFolder() {
  if (const auto chosen = AskDirectory(QString::fromLatin1(kDataFolderTitle))) {
    SetDataFolder(*chosen);
  }
}
void TKELVARO::ShowResultFiles() { result_files_view_->Activate(); }

void TKELVARO::SetDataFolder(const std::filesystem::path& folder) {
  session_.data_dir = folder;
  run_outcome_view_->hide();  // the last run's outcome belongs to the folder it ran in
  folder_label_->setText(QStringLiteral("Data folder: %1").arg(PathToQt(ShownPath(folder))));
  memory_->RememberFolder(folder);
  FillRecentFolders();
}

QAction* TKELVARO::NamedAction(std::string_view name) const {
  const auto found = named_actions_.find(name);
  return found == named_actions_.end() ? nullptr : found->second;
}

// One run at a time; the windows it asks for open once its progress dialog has gone.
void TKELVARO::RunInBackground(const std::function<void()>& command, bool cancellable) {
  if (run_active_) return;
  run_active_ = true;
  const auto failure = app::RunInBackground(this, reporter_, command, cancellable);
  run_active_ = false;
  if (close_after_run_) {
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  if (failure) ShowMessageBox(this, ToQt(*failure));
  std::vector<Dialog> opened;
  opened.swap(opened_during_run_);
  for (Dialog dialog : opened) OpenDialog(dialog);
}

void TKELVARO::RunFromRunDialog(const std::function<void()>& command) {
  if (run_active_) return;
  const RunParameters run = get_data_.Parameters();
  reporter_.AnnounceRun(RunTitle(run), StudyAreaCropCount(session_.data_dir, run));
  RunInBackground(command, true);
  if (get_data_.LastRun() && !close_after_run_) {
    run_outcome_view_->Show(*get_data_.LastRun(), session_.data_dir);
  }
}

// What a window writes into the data folder waits for no run: the folder is locked as a command
// line command locks it, after what an interrupted command left there is put right.
void TKELVARO::WriteInFolder(const std::function<void()>& command) {
  RunInBackground([this, command] {
    const FolderLock lock(session_.data_dir, "the desktop program");
    for (const std::string& note : RecoverFolder(session_.data_dir)) session_.reporter.Warn(note);
    command();
  });
}

void TKELVARO::closeEvent(QCloseEvent* event) {
  if (run_active_) {  // the run stops at its next crop or operation, then the window closes
    close_after_run_ = true;
    if (auto* progress = findChild<RunProgressDialog*>()) progress->RequestCancel();  // says so
    reporter_.RequestCancel();
    event->ignore();
    return;
  }
  // The program ends with its main window, whatever dialogs are still shown.
  for (QWidget* child : findChildren<QDialog*>()) child->hide();
  event->accept();
}

}  // namespace kelvaro::app
