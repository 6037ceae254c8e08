#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/list_choice_view.h"
#include "app/statistics_view.h"
#include "app/table_window.h"
#include "app_test_support.h"
#include "support/cli_runner.h"
#include "weatherio/folder_lock.h"

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;

// A working daily file made by the command line's daily run of the Maricopa record.
void MakeWorkingFile(const TestFolder& folder) {
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const CliRun run =
      RunInFolder(folder, "\"$CLI\" run --input day --station MARIC --lat 33.07 --elev 361 --sa 1");
  ASSERT_EQ(run.status, 0) << run.err;
}

class StatisticsTest : public MainWindowTest {};

// Toolbar "Statistics", "Monthly Mean", the file name, OK: the six files the command line
// writes, and the monthly means handed to the spreadsheet; the dialog stays open.
TEST_F(StatisticsTest, ChooserAndDialogWriteWhatTheCommandLineWrites) {
  MakeWorkingFile(folder_);
  TestFolder cli_folder;
  MakeWorkingFile(cli_folder);
  const CliRun cli = RunInFolder(cli_folder, "\"$CLI\" stats --station MARIC --kind wxr");
  ASSERT_EQ(cli.status, 0) << cli.err;

  ClickToolbarButton(QStringLiteral("Statistics"));
  auto* chooser =
      qobject_cast<app::ListChoiceView*>(ShownWindow(QStringLiteral("TStatisticsPath")));
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->windowTitle(), "Statistical Analysis");
  EXPECT_EQ(chooser->combo()->count(), 6);
  EXPECT_EQ(chooser->combo()->itemText(5), "Monthly Cv");
  chooser->combo()->setCurrentIndex(chooser->combo()->findText(QStringLiteral("Monthly Mean")));
  QTest::mouseClick(Child<QPushButton>(chooser, "ButtonOK"), Qt::LeftButton);
  EXPECT_FALSE(chooser->isVisible());

  app::StatisticsView* dialog = window().statistics_view();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Statistical Analysis - monthly mean weather data by filename");
  TypeInto(dialog->station(), QStringLiteral("MARIC"));
  QTest::mouseClick(Child<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->warning()->isVisible());
  for (const char* name :
       {"MARIC.avg", "MARIC.sdv", "MARIC.cov", "MARIC.wxr", "MARIC.std", "MARIC.cve"}) {
    ASSERT_TRUE(folder_.Has(name)) << name;
    EXPECT_EQ(folder_.Read(name), cli_folder.Read(name)) << name;
  }
  ASSERT_FALSE(spreadsheet_->calls.empty());
  EXPECT_EQ(spreadsheet_->calls.back(), "open " + (folder_ / "MARIC.wxr").string());

  // Show as Table: the same file in the table window; the name is offered the next time, and
  // the daily chart draws the daily statistics just written.
  QTest::mouseClick(Child<QPushButton>(dialog, "ButtonTable"), Qt::LeftButton);
  EXPECT_TRUE(window().table_window()->isVisible());
  window().NamedAction("StaMean")->trigger();
  EXPECT_TRUE(dialog->station()->text().isEmpty());
  ASSERT_NE(dialog->station()->completer(), nullptr);
  EXPECT_EQ(dialog->station()->placeholderText(), "Down: MARIC, ...");
  TypeInto(dialog->station(), QStringLiteral("MARIC"));
  QTest::mouseClick(Child<QPushButton>(dialog, "ButtonChart"), Qt::LeftButton);
  QWidget* charts = ShownWindow(QStringLiteral("ChartWindow"));
  ASSERT_NE(charts, nullptr);
  SaveScreenshot(charts, "statistics_daily_chart");
}

TEST_F(StatisticsTest, MissingWorkingFileIsNamedInTheWarning) {
  window().NamedAction("StaCV")->trigger();
  app::StatisticsView* dialog = window().statistics_view();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Statistical Analysis - daily CV weather data by filename");
  TypeInto(dialog->station(), QStringLiteral("NOWHERE"));
  QTest::mouseClick(Child<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
  ASSERT_TRUE(dialog->warning()->isVisible());
  EXPECT_EQ(dialog->warning()->toPlainText(), "An invalid input file name");
  EXPECT_TRUE(spreadsheet_->calls.empty());
  EXPECT_EQ(folder_.Listing(), "");
  SaveScreenshot(dialog, "statistics_warning");
  // Activation empties the name and hides the warning.
  window().NamedAction("StaMean")->trigger();
  EXPECT_TRUE(dialog->station()->text().isEmpty());
  EXPECT_FALSE(dialog->warning()->isVisible());
}

TEST(StatisticsWithoutSpreadsheet, FilesStayAndTheUserIsTold) {
  TestFolder folder;
  MakeWorkingFile(folder);
  app::TKELVARO window(folder.path(), [](const Session&) {
    return app::OfficeServers{std::make_unique<RecordingSpreadsheet>(false),
                              std::make_unique<RecordingWordProcessor>(false)};
  });
  window.NamedAction("StaMonSTDev")->trigger();
  TypeInto(window.statistics_view()->station(), QStringLiteral("MARIC"));
  MessageBoxWatcher boxes;
  QTest::mouseClick(Child<QPushButton>(window.statistics_view(), "ButtonOK"), Qt::LeftButton);
  // The system's words, and the file shown in the program's table window instead.
  EXPECT_EQ(boxes.texts(), Lines{"Excel may not be installed; MARIC.std is shown in the "
                                 "program's table window instead."});
  EXPECT_TRUE(folder.Has("MARIC.std"));
  EXPECT_TRUE(window.table_window()->isVisible());
  window.table_window()->hide();
  window.statistics_view()->hide();
}

// A command line command writing the folder holds it: the window says so and writes nothing.
TEST_F(StatisticsTest, AFolderAnotherCommandWritesIsLeftAlone) {
  MakeWorkingFile(folder_);
  const FolderLock held(folder_.path(), "run --input day --station MARIC --sa 1");
  const std::string before = folder_.Listing();
  window().NamedAction("StaMean")->trigger();
  TypeInto(window().statistics_view()->station(), QStringLiteral("MARIC"));
  MessageBoxWatcher boxes;
  QTest::mouseClick(Child<QPushButton>(window().statistics_view(), "ButtonOK"), Qt::LeftButton);
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_NE(boxes.texts()[0].find("is being written by 'run --input day --station MARIC --sa 1'"),
            std::string::npos)
      << boxes.texts()[0];
  EXPECT_EQ(folder_.Listing(), before);
}

}  // namespace
}  // namespace kelvaro::testing
