#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <sstream>

#include "app/background_run.h"
#include "app/get_data_view.h"
#include "app/gui_reporter.h"
#include "app/list_choice_view.h"
#include "app/output_files_view.h"
#include "app/run_outcome_view.h"
#include "app_test_support.h"
#include "support/cli_runner.h"

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class RunThroughWindowsTest : public MainWindowTest {
 protected:
  // Answers a path dialog with the item of that caption.
  void Choose(const char* dialog, const QString& item) {
    auto* view = qobject_cast<app::ListChoiceView*>(ShownWindow(QString::fromLatin1(dialog)));
    ASSERT_NE(view, nullptr) << dialog << " is not shown";
    EXPECT_EQ(view->combo()->currentIndex(), 0);
    view->combo()->setCurrentIndex(view->combo()->findText(item));
    QTest::mouseClick(Child<QPushButton>(view, "ButtonOK"), Qt::LeftButton);
    EXPECT_FALSE(view->isVisible());
  }

  app::GetDataView* RunDialog() {
    return qobject_cast<app::GetDataView*>(ShownWindow(QStringLiteral("TGetData")));
  }

  QLineEdit* Field(const char* name) { return Child<QLineEdit>(window().get_data_view(), name); }

  void Fill(const char* station, const char* latitude, const char* elevation, const char* sa) {
    TypeInto(Field("Station"), QString::fromUtf8(station));
    TypeInto(Field("Latitude"), QString::fromUtf8(latitude));
    TypeInto(Field("Elevation"), QString::fromUtf8(elevation));
    TypeInto(Field("SA"), QString::fromUtf8(sa));
  }

  void PressOK() {
    QTest::mouseClick(Child<QPushButton>(window().get_data_view(), "ButtonOK"), Qt::LeftButton);
    QApplication::processEvents();
  }

  Lines WarningLines() {
    const QString text = window().get_data_view()->warning()->toPlainText();
    return SplitLines(text.toStdString());
  }
};

// The whole road: toolbar, two path dialogs, the run dialog with a preset, OK, the result
// notice. The files are those the command line writes for the same run, and so are the
// operations' trace lines.
TEST_F(RunThroughWindowsTest, MonthlyMeansRunWritesWhatTheCommandLineWrites) {
  // The monthly means under the preset's name and station line, which the command line checks.
  const std::string means = ReadBytes(ExamplePath("MARIC.mon"));
  const std::string davis_means = " Davis,38.5,18.5\n" + means.substr(means.find('\n') + 1);
  folder_.Write("Davis.mon", davis_means);
  folder_.CopyExamples({"SA00001.csv"});
  TestFolder cli_folder;
  cli_folder.Write("Davis.mon", davis_means);
  cli_folder.CopyExamples({"SA00001.csv"});
  const CliRun cli =
      RunInFolder(cli_folder, "\"$CLI\" run --input mon --preset Davis --sa 1 --years 4 --verbose");
  ASSERT_EQ(cli.status, 0) << cli.err;

  ClickToolbarButton(QStringLiteral("Apply Weather "));
  Choose("TAnalysisPath", QStringLiteral("Simulated-Weather"));
  Choose("TTimeInterval", QStringLiteral("Monthly average data"));
  app::GetDataView* dialog = RunDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Child<QLabel>(dialog, "extention")->text(), "Your input file extension is: mon");
  EXPECT_FALSE(Field("FetchVal")->isVisible());
  EXPECT_TRUE(Field("Years")->isVisible());
  QMenu* regions =
      dialog->presets_menu_bar()->findChild<QMenu*>(QStringLiteral("HydrologicRegions"));
  ASSERT_NE(regions, nullptr);
  QAction* davis = nullptr;
  for (QAction* region : regions->actions()) {
    if (region->text() != "SR") continue;
    for (QAction* station : region->menu()->actions()) {
      if (station->text() == "Davis") davis = station;
    }
  }
  ASSERT_NE(davis, nullptr);
  davis->trigger();
  EXPECT_EQ(Field("Station")->text(), "Davis");
  EXPECT_EQ(Field("Latitude")->text(), "38.5");
  EXPECT_EQ(Field("Elevation")->text(), "18.5");
  EXPECT_EQ(Field("Years")->text(), "30");
  TypeInto(Field("Years"), QStringLiteral("4"));
  TypeInto(Field("SA"), QStringLiteral("1"));

  QSignalSpy requests(&window(), &app::TKELVARO::windowRequested);
  PressOK();
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(requests.count(), 1);
  EXPECT_EQ(requests.takeFirst()[0].toString(), "TResultFiles");
  ASSERT_TRUE(window().result_files_view()->isVisible());
  QTest::mouseClick(Child<QPushButton>(window().result_files_view(), "ButtonView"), Qt::LeftButton);
  EXPECT_FALSE(window().result_files_view()->isVisible());
  EXPECT_TRUE(window().output_files_view()->isVisible());

  EXPECT_EQ(folder_.Listing(), cli_folder.Listing());
  for (const std::string& name : SplitLines(cli_folder.Listing())) {
    EXPECT_EQ(testing::ReadComparable(folder_ / name), testing::ReadComparable(cli_folder / name))
        << name;
  }
  // The same trace lines, the crop file's path aside: each run names its own folder.
  const auto file_names = [](Lines lines) {
    for (std::string& line : lines) {
      if (line.find('/') != std::string::npos) {
        line = std::filesystem::path(line).filename().string();
      }
    }
    return lines;
  };
  EXPECT_EQ(file_names(MessageLines()), file_names(SplitLines(cli.err)));
  EXPECT_FALSE(MessageLines().empty());
}

TEST_F(RunThroughWindowsTest, RefusedRunShowsTheWarningLinesInOrderAndWritesNothing) {
  folder_.CopyExamples({"MARIC.day"});
  const std::string before = folder_.Listing();
  window().NamedAction("InputWeather")->trigger();
  Choose("TAnalysisPath", QStringLiteral("Non-Simulated"));
  EXPECT_FALSE(Field("Years")->isVisible());
  EXPECT_FALSE(Field("FetchVal")->isVisible());
  Fill("", "95", "", "");
  PressOK();
  ASSERT_TRUE(window().get_data_view()->isVisible());
  EXPECT_TRUE(window().get_data_view()->warning()->isVisible());
  EXPECT_EQ(WarningLines(),
            (Lines{"Enter the station name", "Latitude should be between -90 and 90 degrees",
                   "Enter the elevation in meters", "Enter the SA number"}));
  Fill("MARIC", "33.07", "361", "7");
  PressOK();
  EXPECT_EQ(WarningLines(), Lines{"An invalid SA number"});
  EXPECT_EQ(Field("Station")->text(), "MARIC");  // the fields stay as typed
  EXPECT_EQ(folder_.Listing(), before);
  EXPECT_TRUE(MessageLines().empty());
}

// A run's message box reaches the user after the trace lines sent before it, while the
// progress dialog holds every other window and a second run cannot start meanwhile.
TEST_F(RunThroughWindowsTest, MessageBoxOfARunReachesTheUserWhileTheRunHoldsTheWindows) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  folder_.Write("SA00001C007.CSV", "a crop the study area no longer has\n");
  window().NamedAction("InputWeather")->trigger();
  Choose("TAnalysisPath", QStringLiteral("Non-Simulated"));
  Fill("MARIC", "33.07", "361", "1");
  bool progress_shown = false;
  bool second_run_started = false;
  Lines traced_before_box;
  MessageBoxWatcher boxes([&](QMessageBox& box) {
    auto* progress = window().findChild<QProgressDialog*>(QStringLiteral("RunProgress"));
    progress_shown = progress != nullptr && progress->isVisible() &&
                     progress->windowModality() == Qt::ApplicationModal;
    traced_before_box = MessageLines();
    SaveScreenshot(&box, "message_box");
    if (progress != nullptr) SaveScreenshot(progress, "run_progress");
    QSignalSpy requests(&window(), &app::TKELVARO::windowRequested);
    Child<QPushButton>(window().get_data_view(), "ButtonOK")->click();
    second_run_started = requests.count() > 0;
  });
  PressOK();
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_TRUE(boxes.texts()[0].starts_with("These result files belong to crops that"))
      << boxes.texts()[0];
  EXPECT_NE(boxes.texts()[0].find("SA00001C007.CSV"), std::string::npos);
  EXPECT_TRUE(progress_shown);
  EXPECT_FALSE(second_run_started);
  EXPECT_FALSE(window().run_active());
  ASSERT_FALSE(traced_before_box.empty());
  EXPECT_EQ(traced_before_box.front(), "SA00001");
  EXPECT_EQ(traced_before_box, MessageLines());  // the balance traced everything before it warned
  EXPECT_TRUE(folder_.Has("SA00001C006.EAW"));
  // The outcome of the run lists the warning too.
  app::RunOutcomeView* outcome = window().run_outcome_view();
  EXPECT_TRUE(outcome->title()->text().endsWith("done, with a warning"));
  ASSERT_EQ(outcome->warnings()->count(), 1);
  EXPECT_EQ(outcome->warnings()->item(0)->text().toStdString(), boxes.texts()[0]);
  HideDialogs();
  outcome->tabs()->setCurrentIndex(2);
  SaveScreenshot(&window(), "main_window_run_warnings");
}

// Message boxes and trace lines sent from the thread of a run reach the window in the order
// they were sent, each box holding the run until it is answered.
TEST(GuiReporter, MessagesFromTheRunThreadArriveInOrder) {
  QWidget window;
  QTextEdit message_area;
  app::GuiReporter reporter(&window, &message_area);
  std::vector<std::string> seen_with_box;
  MessageBoxWatcher boxes([&](QMessageBox& box) {
    seen_with_box.push_back(box.text().toStdString() + " after " +
                            message_area.toPlainText().replace('\n', '|').toStdString());
    auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("RunProgress"));
    if (seen_with_box.size() == 2 && progress != nullptr) {
      EXPECT_EQ(progress->labelText(), "EToETcAW (2 of 2)\ncrop 1 of 3: Alfalfa");
      SaveScreenshot(progress, "run_progress_crops");
    }
  });
  const auto failure = app::RunInBackground(&window, reporter, [&] {
    reporter.Trace("first line");
    reporter.MessageBox("first box");
    reporter.Trace("second line");
    reporter.OperationStarted("EToETcAW", 1, 2);
    reporter.CropStarted("Alfalfa", 0, 3);
    reporter.MessageBox("second box");
    throw std::runtime_error("'x' is not a valid floating point value");
  });
  EXPECT_EQ(seen_with_box,
            (Lines{"first box after first line", "second box after first line|second line"}));
  EXPECT_EQ(failure, std::optional<std::string>("'x' is not a valid floating point value"));
  EXPECT_EQ(message_area.toPlainText(), "first line\nsecond line");
}

TEST_F(RunThroughWindowsTest, TextThatIsNotANumberAbandonsTheRunWithItsMessage) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  const std::string before = folder_.Listing();
  window().NamedAction("InputWeather")->trigger();
  Choose("TAnalysisPath", QStringLiteral("Non-Simulated"));
  Fill("MARIC", "33,5x", "361", "1");
  MessageBoxWatcher boxes;
  PressOK();
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_NE(boxes.texts()[0].find("33,5x"), std::string::npos) << boxes.texts()[0];
  EXPECT_TRUE(window().get_data_view()->isVisible());
  EXPECT_EQ(folder_.Listing(), before);
}

}  // namespace
}  // namespace kelvaro::testing
