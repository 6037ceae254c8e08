// The run dialog's station list, Browse and station line, and what the program remembers
// between sessions (in the test run's own settings file).
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>

#include "app/app_memory.h"
#include "app/get_data_view.h"
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
  QSettings().clear();
  window().SetDataFolder(folder_.path());  // opened again after the clearing
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  MessageBoxWatcher boxes;
  OpenRunDialog("day");
  emit window().get_data_view()->station_list()->activated(0);
  TypeInto(Field("SA"), QStringLiteral("1"));
  QTest::mouseClick(Child<QPushButton>(window().get_data_view(), "ButtonOK"), Qt::LeftButton);
  ASSERT_FALSE(window().get_data_view()->isVisible()) << "the run did not go through";
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
       {std::pair{"Latitude", "33.07"}, {"Elevation", "361"}, {"SA", "1"}}) {
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
}

}  // namespace
}  // namespace kelvaro::testing
