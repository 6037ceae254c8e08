#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "app/guide_browser.h"
#include "app/list_choice_view.h"
#include "app/window_routes.h"
#include "app_test_support.h"
#include "dispatch/main_window_commands.h"
#include "help/help_windows.h"

namespace kelvaro::testing {
namespace {

using app::WindowRequest;

// Captions of the windows that are part of the program, as the user sees them.
const std::map<std::string, QString>& ShownCaptions() {
  static const std::map<std::string, QString> captions = {
      {"TAnalysisPath", "Weather Analysis Path"},
      {"TPanAnalysisPath", "Pan Analysis Path"},
      {"TEToAnalysisPath", "ETo Analysis Path"},
      {"TTempAnalysisPath", "Temperature Analysis Path"},
      {"TCropSoilEntry", "Crop/Soil Data Entry"},
      {"TStatisticsPath", "Statistical Analysis"},
      {"THelpInputData", "Input Data Help"},
      {"THelpOutputData", "Output Data Help"},
      {"THelpInputFiles", "Help Input Files"},
      {"THelpOutputFiles", "HelpOutputFiles"},
      {"THelpSA", "Help Study Area (SA)"},
      {"THelpDataFileName", "Help Data Filename"},
      {"THelpPullDownMenu", "HelpPull Down Menu"},
      {"THelpToolbars", "Help Toolbars"},
      {"THelpStatistics", "Help Statistics"},
      {"THelpAbout1", "HelpAbout1"},
      {"TAboutKelvaro", "AboutKelvaro"},
      {"TOLPDisclaimer", "Disclaimer"},
      {"UserGuide", "KELVARO User's Guide"},
      {"TDataFileEntry", "Data File Entry"},
      {"TGetOutSA", "Get Out SA"},
      {"TGetSACropInfo", "Crop and Soil Information by SA"},
      {"TGetCropItemNum", "mse file extension - daily mean water balance by Study Area"},
      {"TOutputFiles", "Output Files"},
      {"TResultFiles", "ResultFiles"},
  };
  return captions;
}

class MainWindowCommandsTest : public MainWindowTest {
 protected:
  // Runs `trigger` and checks that exactly the command's window opened, with what the command
  // sets on it.
  void ExpectOpens(const std::function<void()>& trigger, const MainWindowCommand& command,
                   const std::string& what) {
    SCOPED_TRACE(what);
    HideDialogs();
    QSignalSpy requests(&window(), &app::TKELVARO::windowRequested);
    trigger();
    QApplication::processEvents();
    ASSERT_EQ(requests.count(), 1);
    const QList<QVariant> request = requests.takeFirst();
    EXPECT_EQ(request[0].toString().toStdString(), command.window);
    EXPECT_EQ(request[1].toString().toStdString(), command.ext);
    EXPECT_EQ(request[2].toString().toStdString(), command.caption);
    EXPECT_EQ(request[3].toString().toStdString(), command.label);
    const std::string window_name(command.window);
    const app::WindowRoute* route = app::FindWindowRoute(command.window);
    ASSERT_NE(route, nullptr);
    QWidget* shown = ShownWindow(QString::fromStdString(window_name));
    ASSERT_NE(shown, nullptr) << window_name << " is not shown";
    if (!command.caption.empty()) {
      EXPECT_EQ(shown->windowTitle().toStdString(), command.caption);
      return;
    }
    ASSERT_TRUE(ShownCaptions().count(window_name)) << window_name;
    EXPECT_EQ(shown->windowTitle(), ShownCaptions().at(window_name));
  }
};

TEST_F(MainWindowCommandsTest, EveryMenuItemToolbarButtonAndActionOpensItsWindow) {
  int checked = 0;
  for (const MainMenu& menu : MainMenus()) {
    for (const CommandButton& item : menu.items) {
      QAction* action = MenuItem(QString::fromUtf8(menu.caption.data(), menu.caption.size()),
                                 QString::fromUtf8(item.caption.data(), item.caption.size()));
      ASSERT_NE(action, nullptr);
      ExpectOpens([action] { action->trigger(); }, *FindMainWindowCommand(item.command),
                  std::string(menu.caption) + " > " + std::string(item.caption));
      ++checked;
    }
  }
  for (const CommandButton& button : ToolbarButtons()) {
    const QString caption = QString::fromUtf8(button.caption.data(), button.caption.size());
    ExpectOpens([&] { ClickToolbarButton(caption); }, *FindMainWindowCommand(button.command),
                "toolbar '" + std::string(button.caption) + "'");
    ++checked;
  }
  for (const MainWindowCommand& command : kMainWindowCommands) {
    if (command.category.empty()) continue;
    QAction* action = window().NamedAction(command.name);
    ASSERT_NE(action, nullptr) << command.name;
    EXPECT_EQ(action->property("category").toString().toStdString(), command.category);
    ExpectOpens([action] { action->trigger(); }, command, "action " + std::string(command.name));
    ++checked;
  }
  EXPECT_EQ(checked, 35 + 14 + 21);  // menu items, toolbar buttons, named actions
}

TEST_F(MainWindowCommandsTest, CaptionsAreShownExactlyAsWritten) {
  QStringList menus;
  for (QAction* menu : window().menuBar()->actions()) menus << WithoutMnemonic(menu->text());
  EXPECT_EQ(menus, (QStringList{"File", "Create Data Files", "Apply Data Files", "Output Files",
                                "Statistics", "User's Guide", "Help", "About KELVARO", "Disclaimer",
                                "Help About"}));
  EXPECT_NE(ToolbarAction(QStringLiteral("Apply Weather ")), nullptr);
  EXPECT_NE(ToolbarAction(QStringLiteral(" Weather Output")), nullptr);
  EXPECT_NE(MenuItem(QStringLiteral("Apply Data Files"), QStringLiteral("Tempreature Data")),
            nullptr);
  // Every toolbar button is on screen, none pushed into the overflow menu.
  int buttons = 0;
  for (QToolBar* toolbar : window().findChildren<QToolBar*>()) {
    for (QAction* action : toolbar->actions()) {
      QWidget* button = ToolbarButton(action);
      ASSERT_NE(button, nullptr);
      EXPECT_TRUE(button->isVisible()) << action->text().toStdString();
      ++buttons;
    }
  }
  EXPECT_EQ(buttons, 14);
}

TEST_F(MainWindowCommandsTest, EveryWindowACommandNamesIsPartOfTheProgram) {
  for (const app::WindowRoute& route : app::WindowRoutes()) {
    EXPECT_NE(route.open, nullptr) << route.window;
  }
  for (const MainWindowCommand& command : kMainWindowCommands) {
    EXPECT_NE(app::FindWindowRoute(command.window), nullptr) << command.window;
  }
}

TEST_F(MainWindowCommandsTest, HelpSelectorsOpenTheChosenTopic) {
  const struct {
    const char* menu_item;
    int choice;
    const char* opens;
    const char* caption;
  } kCases[] = {
      {"Apply Data Files", 0, "THelpWeatherData", "HelpWeatherData"},
      {"Apply Data Files", 3, "THelpTempData", "HelpTempData"},
      {"Apply Data Files", 4, "THelpCropSoilData", "HelpCropSoilData"},
      {"Output Files", 1, "THelpETAWbySA", "Help ETAW by SA"},
      {"Output Files", 2, "THelpSoilbySA", "Help Soil / Crop by SA"},
      {"Output Files", 3, "THelpMSE", "Help MSE"},
  };
  for (const auto& expected : kCases) {
    SCOPED_TRACE(expected.opens);
    HideDialogs();
    MenuItem(QStringLiteral("Help"), QString::fromLatin1(expected.menu_item))->trigger();
    const QString selector_name = QString::fromLatin1(
        std::string_view(expected.menu_item) == "Output Files" ? "THelpOutputData"
                                                               : "THelpInputData");
    auto* selector = qobject_cast<app::ListChoiceView*>(ShownWindow(selector_name));
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->combo()->currentIndex(), 0);  // activation selects the first topic
    selector->combo()->setCurrentIndex(expected.choice);
    QTest::mouseClick(Child<QPushButton>(selector, "ButtonOK"), Qt::LeftButton);
    EXPECT_FALSE(selector->isVisible());
    QWidget* topic = ShownWindow(QString::fromLatin1(expected.opens));
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->windowTitle(), QString::fromLatin1(expected.caption));
  }
}

TEST_F(MainWindowCommandsTest, HelpWindowsShowTheirPagesAndTheAboutPageIsModal) {
  window().NamedAction("HelpInput")->trigger();
  QWidget* input_help = ShownWindow(QStringLiteral("THelpInputFiles"));
  ASSERT_NE(input_help, nullptr);
  auto* tabs = Child<QTabWidget>(input_help, "Pages");
  ASSERT_EQ(tabs->count(), 11);
  EXPECT_EQ(tabs->tabText(0), "dpn");
  EXPECT_EQ(tabs->tabText(10), "csv");
  auto* first = qobject_cast<QTextBrowser*>(tabs->widget(0));
  EXPECT_TRUE(first->toPlainText().contains("Daily readings of a class A evaporation pan"));
  window().NamedAction("HelpAbout")->trigger();
  QWidget* about = ShownWindow(QStringLiteral("THelpAbout1"));
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isModal());
  EXPECT_FALSE(input_help->isModal());
}

TEST_F(MainWindowCommandsTest, UserGuideOpensTheDocumentOfTheDataFolderOrTheBundledGuide) {
  window().NamedAction("UserGuide2")->trigger();
  ASSERT_TRUE(window().guide()->isVisible());
  const QString guide = window().guide()->browser()->toPlainText();
  EXPECT_TRUE(guide.contains("MARIC")) << guide.left(200).toStdString();
  EXPECT_FALSE(window().windowIcon().pixmap(64).isNull());
  EXPECT_TRUE(guide.contains("ETAW"));
  window().guide()->hide();

  EXPECT_TRUE(word_->calls.empty());

  folder_.Write("userguide.DOC", "a guide of the study area");
  MenuItem(QStringLiteral("User's Guide"), QStringLiteral("User's Guide"))->trigger();
  EXPECT_EQ(word_->calls,
            (std::vector<std::string>{"connect", "visible true", "caption UserGuide",
                                      "open " + (folder_ / "userguide.DOC").string()}));
  EXPECT_FALSE(window().guide()->isVisible());
}

TEST(UserGuideWithoutWordProcessor, SaysWordMayNotBeInstalled) {
  TestFolder folder;
  folder.Write("UserGuide.doc", "a guide");
  app::TKELVARO window(folder.path(), [](const Session&) {
    return app::OfficeServers{std::make_unique<RecordingSpreadsheet>(false),
                              std::make_unique<RecordingWordProcessor>(false)};
  });
  MessageBoxWatcher boxes;
  window.NamedAction("UserGuide2")->trigger();
  EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Word may not be installed"});
}

TEST_F(MainWindowCommandsTest, StatusBarShowsTheDataFolderAndAnotherCanBeChosen) {
  EXPECT_TRUE(
      window().folder_label()->text().contains(QString::fromStdString(folder_.path().string())));
  TestFolder other;
  window().SetDirectoryChooser(
      [&](const QString&) -> std::optional<std::filesystem::path> { return other.path(); });
  QAction* choose = window().findChild<QAction*>(QStringLiteral("ChooseDataFolder"));
  ASSERT_NE(choose, nullptr);
  EXPECT_EQ(WithoutMnemonic(choose->text()), "Data Folder...");
  choose->trigger();
  EXPECT_EQ(window().data_folder(), other.path());
  EXPECT_TRUE(
      window().folder_label()->text().contains(QString::fromStdString(other.path().string())));
  // Cancelling the chooser keeps the folder.
  window().SetDirectoryChooser(
      [](const QString&) -> std::optional<std::filesystem::path> { return std::nullopt; });
  choose->trigger();
  EXPECT_EQ(window().data_folder(), other.path());
}

TEST_F(MainWindowCommandsTest, ClosingTheMainWindowClosesEveryDialog) {
  window().NamedAction("InputWeather")->trigger();
  window().NamedAction("HelpOutput")->trigger();
  ASSERT_NE(ShownWindow(QStringLiteral("TAnalysisPath")), nullptr);
  window().close();
  EXPECT_FALSE(window().isVisible());
  EXPECT_EQ(ShownWindow(QStringLiteral("TAnalysisPath")), nullptr);
  EXPECT_EQ(ShownWindow(QStringLiteral("THelpOutputFiles")), nullptr);
}

}  // namespace
}  // namespace kelvaro::testing
