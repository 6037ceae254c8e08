// The run dialog's station list, Browse and station line, and what the program remembers
// between sessions (in the test run's own settings file).
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>

#include "app/app_memory.h"
#include "app/get_data_view.h"
#include "app/guide_browser.h"
#include "app/sa_finder_view.h"
#include "app/statistics_view.h"
#include "app_test_support.h"

namespace kelvaro::testing {
namespace {

class ChoosersTest : public MainWindowTest {
 protected:
  app::GetDataView* OpenRunDialog(const char* ext) {
    window().run_dialog().SetExtension(ext);
    window().ShowRunDialog();
    return window().get_data_view();
  }
  QLineEdit* Field(const char* name) { return Child<QLineEdit>(window().get_data_view(), name); }
  QStringList Listed() {
    QStringList items;
    QComboBox* list = window().get_data_view()->station_list();
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
};

TEST_F(ChoosersTest, StationListHoldsExactlyTheFolderFilesOfTheKindAndFillsFromTheLine) {
  folder_.CopyExamples({"MARIC.day", "MARIC.mon", "SA00001.csv"});
  folder_.Write("davis.DAY", "");
  folder_.Write("Maricopa.day", "");  // read as "Maric.day": listed, cannot be chosen
  const std::string listing = folder_.Listing();
  app::GetDataView* dialog = OpenRunDialog("day");
  EXPECT_EQ(Listed(), (QStringList{"davis.DAY", "MARIC.day", "Maricopa.day"}));
  auto* items = qobject_cast<QStandardItemModel*>(dialog->station_list()->model());
  EXPECT_FALSE(items->item(2)->isEnabled());
  EXPECT_EQ(dialog->station_list()->currentIndex(), -1);
  OpenRunDialog("mon");
  EXPECT_EQ(Listed(), QStringList{"MARIC.mon"});

  OpenRunDialog("day");
  emit dialog->station_list()->activated(1);
  EXPECT_EQ(Field("Station")->text(), "MARIC");
  EXPECT_EQ(Field("Latitude")->text(), "33.07");
  EXPECT_EQ(Field("Elevation")->text(), "361");
  EXPECT_TRUE(dialog->station_note()->text().contains("first line of MARIC.day"));
  SaveScreenshot(dialog, "run_dialog_station_list");
  dialog->resize(dialog->minimumSizeHint());
  SaveScreenshot(dialog, "run_dialog_station_list_small");

  // A file elsewhere is read where it is: the data folder becomes its folder, nothing is copied.
  TestFolder elsewhere;
  elsewhere.Write("DEBIL.day", " DEBIL,52.10, 2\n");
  dialog->SetFileChooser([&](const QString&, const std::filesystem::path&,
                             const QString& filter) -> std::optional<std::filesystem::path> {
    EXPECT_TRUE(filter.contains("*.day"));
    return elsewhere.path() / "DEBIL.day";
  });
  QTest::mouseClick(dialog->browse(), Qt::LeftButton);
  EXPECT_EQ(window().data_folder(), elsewhere.path());
  EXPECT_EQ(Field("Station")->text(), "DEBIL");
  EXPECT_EQ(Field("Latitude")->text(), "52.10");  // the other file's line replaces the first's
  EXPECT_EQ(Listed(), QStringList{"DEBIL.day"});
  EXPECT_TRUE(dialog->folder_note()->text().contains(
      QString::fromStdString(elsewhere.path().filename().string())));
  EXPECT_EQ(folder_.Listing(), listing);
  EXPECT_EQ(elsewhere.Listing(), "DEBIL.day\n");
}

TEST_F(ChoosersTest, AMissingInputFileIsNamedWithItsFolder) {
  app::GetDataView* dialog = OpenRunDialog("day");
  for (const auto& [name, text] : {std::pair{"Station", "Davisville"},
                                   {"Latitude", "38.5"},
                                   {"Elevation", "18"},
                                   {"SA", "1"}}) {
    TypeInto(Field(name), QString::fromLatin1(text));
  }
  QTest::mouseClick(Child<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
  const QStringList lines = dialog->warning()->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "An invalid input filename");
  EXPECT_TRUE(lines[1].startsWith("Looked for Davis.day in ")) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].contains(QString::fromStdString(folder_.path().string())));
  EXPECT_EQ(folder_.Listing(), "");
}

// A run's values, the folder and the kind come back in a new main window; the fields are empty
// on activation as the system has them, their values offered in the lists.
TEST_F(ChoosersTest, RememberedValuesComeBackInANewMainWindow) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  MessageBoxWatcher boxes;
  OpenRunDialog("day");
  emit window().get_data_view()->station_list()->activated(0);
  TypeInto(Field("Latitude"), QStringLiteral("34"));  // kept, with the command line's warning
  TypeInto(Field("SA"), QStringLiteral("1"));
  QTest::mouseClick(Child<QPushButton>(window().get_data_view(), "ButtonOK"), Qt::LeftButton);
  ASSERT_FALSE(window().get_data_view()->isVisible()) << "the run did not go through";
  ASSERT_FALSE(boxes.texts().empty());
  EXPECT_EQ(boxes.texts().front(),
            "the latitude '34' (in the dialog) differs from 33.07 on the first line of MARIC.day; "
            "the run uses 34");
  app::SaFinderView* finder = window().finder_view(Dialog::TGetSACropInfo);
  finder->Activate();
  TypeInto(finder->sa(), QStringLiteral("1"));
  QTest::mouseClick(Child<QPushButton>(finder, "ButtonOK"), Qt::LeftButton);
  ASSERT_FALSE(finder->isVisible()) << "the crop file was not opened";
  TestFolder other;
  window().SetDataFolder(other.path());
  HideDialogs();
  window_.reset();

  window_ = std::make_unique<app::TKELVARO>(other.path(), [](const Session&) {
    return app::OfficeServers{std::make_unique<RecordingSpreadsheet>(),
                              std::make_unique<RecordingWordProcessor>()};
  });
  window_->show();
  const QStringList recent = window().memory().RecentFolders();
  ASSERT_GE(recent.size(), 2);
  EXPECT_EQ(recent[0].toStdString(), other.path().string());
  EXPECT_EQ(recent[1].toStdString(), folder_.path().string());
  EXPECT_EQ(window().memory().LastFolder(), other.path());
  QMenu* folders = window().recent_folders_menu();
  emit folders->aboutToShow();
  ASSERT_GE(folders->actions().size(), 2);
  folders->actions()[1]->trigger();
  EXPECT_EQ(window().data_folder(), folder_.path());

  window().findChild<QAction*>(QStringLiteral("RunLastKind"))->trigger();  // Ctrl+R
  app::GetDataView* dialog = window().get_data_view();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(Child<QLabel>(dialog, "extention")->text(), "Your input file extension is: day");
  for (const auto& [name, value] :
       {std::pair{"Latitude", "34"}, {"Elevation", "361"}, {"SA", "1"}}) {
    QLineEdit* edit = Field(name);
    EXPECT_TRUE(edit->text().isEmpty()) << name;
    ASSERT_NE(edit->completer(), nullptr) << name;
    auto* values = qobject_cast<QStringListModel*>(edit->completer()->model());
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->stringList().value(0), value) << name;
  }
  QTest::keyClick(Field("SA"), Qt::Key_Down);
  EXPECT_TRUE(Field("SA")->completer()->popup()->isVisible());
  SaveScreenshot(dialog, "run_dialog_remembered");

  finder = window().finder_view(Dialog::TGetSACropInfo);
  finder->Activate();
  EXPECT_TRUE(finder->sa()->text().isEmpty());
  ASSERT_NE(finder->sa()->completer(), nullptr);
  auto* numbers = qobject_cast<QStringListModel*>(finder->sa()->completer()->model());
  ASSERT_NE(numbers, nullptr);
  EXPECT_EQ(numbers->stringList(), QStringList{QStringLiteral("1")});
}

}  // namespace
}  // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

using KeysTest = MainWindowTest;

// The keys of a desktop program: one Alt letter per menu, the usual shortcuts, and windows that
// open on the screen.
TEST_F(KeysTest, MnemonicsShortcutsAndWindowsOnScreen) {
  QSet<QChar> letters;
  for (QAction* menu : window().menuBar()->actions()) {
    const QString text = menu->text();
    const qsizetype at = text.indexOf('&');
    ASSERT_GE(at, 0) << text.toStdString();
    EXPECT_FALSE(letters.contains(text[at + 1].toLower())) << text.toStdString();
    letters.insert(text[at + 1].toLower());
  }
  const std::map<std::string, QKeySequence> keys = {
      {"OpenDataFolder", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"RunLastKind", QKeySequence(Qt::CTRL | Qt::Key_R)},
      {"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
  for (const auto& [name, key] : keys) {
    auto* action = window().findChild<QAction*>(QString::fromStdString(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->shortcut(), key) << name;
  }
  EXPECT_EQ(MenuItem(QStringLiteral("User's Guide"), QStringLiteral("User's Guide"))->shortcut(),
            QKeySequence(Qt::Key_F1));
  QAction* view_csv = MenuItem(QStringLiteral("Output Files"), QStringLiteral("CSV by SA"));
  EXPECT_EQ(view_csv->toolTip(), "csv: daily water balance of one crop");

  // Without a kind run before, Ctrl+R starts at the weather path dialog.
  QSettings().remove(QStringLiteral("run/kind"));
  window().findChild<QAction*>(QStringLiteral("RunLastKind"))->trigger();
  EXPECT_NE(ShownWindow(QStringLiteral("TAnalysisPath")), nullptr);

  window().ShowHelpWindow(HelpWindow::THelpAbout1);
  QWidget* about = ShownWindow(QStringLiteral("THelpAbout1"));
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->grab().width() > 0);
  HideDialogs();
  QWidget* guide = window().guide();
  guide->move(-5000, 9000);
  guide->resize(20000, 300);
  window().ShowUserGuide();
  const QRect free = window().screen()->availableGeometry();
  EXPECT_TRUE(free.contains(guide->frameGeometry())) << guide->frameGeometry().x();
  SaveScreenshot(&window(), "main_window_menus");
  QMenu* file = window().findChild<QMenu*>(QStringLiteral("FileMenu"));
  file->popup(window().mapToGlobal(QPoint(0, 0)));
  SaveScreenshot(file, "main_window_file_menu");
  file->hide();
  window().resize(window().minimumSizeHint());
  SaveScreenshot(&window(), "main_window_small");
  app::StatisticsView* statistics = window().statistics_view();
  window().ShowStatistics("avg");
  statistics->resize(statistics->minimumSizeHint());
  SaveScreenshot(statistics, "statistics_small");
}

}  // namespace
}  // namespace kelvaro::testing
