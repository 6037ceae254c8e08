// The outcome of a run in the main window, and a run cancelled from its progress window.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <sstream>

#include "app/chart_window.h"
#include "app/get_data_view.h"
#include "app/list_choice_view.h"
#include "app/progress_scale.h"
#include "app/qt_text.h"
#include "app/report_window.h"
#include "app/run_outcome_view.h"
#include "app/run_progress_dialog.h"
#include "app/table_window.h"
#include "app_test_support.h"
#include "support/cli_runner.h"

namespace kelvaro::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows of the command line's table that starts with the header line `header`: the crop
// name (the first `name_width` characters) and the figures.
Rows CliTable(const std::string& out, const std::string& header, size_t name_width) {
  Rows rows;
  std::istringstream in(out);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(header)) {
      inside = true;
      continue;
    }
    if (!inside) continue;
    if (line.empty()) break;
    std::string name = line.substr(0, name_width);
    name.erase(name.find_last_not_of(' ') + 1);
    name.erase(0, name.find_first_not_of(' '));
    std::vector<std::string> row{name};
    std::istringstream figures(line.substr(name_width));
    for (std::string figure; figures >> figure;) row.push_back(figure);
    rows.push_back(row);
  }
  return rows;
}

Rows Shown(const QTableWidget* table) {
  Rows rows;
  for (int r = 0; r < table->rowCount(); ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < table->columnCount(); ++c)
      row.push_back(app::FromQt(table->item(r, c)->text()));
    rows.push_back(row);
  }
  return rows;
}

// Calls `on_shown` with the progress dialog of every run as it is shown, before the run starts.
class ProgressWatcher : public QObject {
 public:
  explicit ProgressWatcher(std::function<void(app::RunProgressDialog&)> on_shown)
      : on_shown_(std::move(on_shown)) {
    qApp->installEventFilter(this);
  }
  ~ProgressWatcher() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* dialog = qobject_cast<app::RunProgressDialog*>(object);
    if (event->type() == QEvent::Show && dialog != nullptr) on_shown_(*dialog);
    return false;
  }

 private:
  std::function<void(app::RunProgressDialog&)> on_shown_;
};

// Calls `at_crop` once, when the dialog has shown the end of the run's first crop: the crop
// after it has not been delivered yet.
void AfterFirstCrop(app::RunProgressDialog& dialog, std::function<void()> at_crop) {
  auto* bar = dialog.findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  auto done = std::make_shared<bool>(false);
  QObject::connect(bar, &QProgressBar::valueChanged, &dialog, [&dialog, done, at_crop] {
    if (*done || !dialog.labelText().contains(QStringLiteral("crop 1 of"))) return;
    *done = true;
    at_crop();
  });
}

class RunOutcomeTest : public MainWindowTest {
 protected:
  // The run dialog of the `day` kind, filled for the demo study area.
  void OpenDayRun(const char* sa = "1") {
    window().NamedAction("InputWeather")->trigger();
    auto* path = qobject_cast<app::ListChoiceView*>(ShownWindow(QStringLiteral("TAnalysisPath")));
    ASSERT_NE(path, nullptr);
    path->combo()->setCurrentIndex(path->combo()->findText(QStringLiteral("Non-Simulated")));
    QTest::mouseClick(Child<QPushButton>(path, "ButtonOK"), Qt::LeftButton);
    for (const auto& [name, text] :
         {std::pair{"Station", "MARIC"}, {"Latitude", "33.07"}, {"Elevation", "361"}, {"SA", sa}}) {
      TypeInto(Child<QLineEdit>(window().get_data_view(), name), QString::fromLatin1(text));
    }
  }
  void PressOK() {
    QTest::mouseClick(Child<QPushButton>(window().get_data_view(), "ButtonOK"), Qt::LeftButton);
    QApplication::processEvents();
  }
  app::RunOutcomeView& outcome() { return *window().run_outcome_view(); }
};

// The desktop run shows the figures the command line prints for the same run, and the buttons
// open the report, the season chart and a file written.
TEST_F(RunOutcomeTest, RunShowsTheFiguresTheCommandLinePrints) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  TestFolder cli_folder;
  cli_folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const CliRun cli = RunInFolder(cli_folder, "\"$CLI\" run --input day --station MARIC --sa 1");
  ASSERT_EQ(cli.status, 0) << cli.err;
  const Rows cli_means = CliTable(cli.out, "  Crop                       CETc", 24);
  const Rows cli_monthly = CliTable(cli.out, "  Crop                        Jan", 26);
  ASSERT_EQ(cli_means.size(), 6u);
  ASSERT_EQ(cli_monthly.size(), 6u);

  EXPECT_FALSE(outcome().isVisible());
  OpenDayRun();
  PressOK();
  HideDialogs();
  ASSERT_TRUE(outcome().isVisible());
  EXPECT_EQ(outcome().title()->text(), "Last run, MARIC.day, study area 1: done");
  EXPECT_EQ(Shown(outcome().crops()), cli_means);
  EXPECT_EQ(Shown(outcome().monthly()), cli_monthly);
  EXPECT_GT(outcome().files()->count(), 6);
  for (int i = 0; i < outcome().files()->count(); ++i) {
    EXPECT_TRUE(folder_.Has(app::FromQt(outcome().files()->item(i)->text())));
  }
  // The trace lines under the run's heading, which is scrolled into view, and the crops'.
  const QStringList lines = window().RichEdit1()->toPlainText().split('\n');
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.front().startsWith(QStringLiteral("\u25B8 Run 1 at ")));
  EXPECT_TRUE(lines.front().endsWith(QStringLiteral(": MARIC.day, study area 1")));
  ASSERT_GT(lines.size(), 3);
  EXPECT_EQ(lines[3], QStringLiteral("\u25B9 Crop 1 of 6: Alfalfa(annual)"));
  EXPECT_EQ(lines.filter(QStringLiteral("\u25B9 Crop ")).size(), 6);
  EXPECT_EQ(MessageLines().front(), "SA00001");
  SaveScreenshot(&window(), "main_window_run_outcome");
  outcome().tabs()->setCurrentIndex(1);
  SaveScreenshot(&window(), "main_window_monthly_etaw");
  outcome().tabs()->setCurrentIndex(3);
  SaveScreenshot(&window(), "main_window_files_written");

  // A second run: its heading comes into view at the top of the message area.
  OpenDayRun();
  PressOK();
  HideDialogs();
  QScrollBar* scroll = window().RichEdit1()->verticalScrollBar();
  EXPECT_GT(scroll->value(), 0);
  EXPECT_LT(scroll->value(), scroll->maximum());
  const QTextCursor top = window().RichEdit1()->cursorForPosition(QPoint(5, 5));
  EXPECT_TRUE(top.block().text().startsWith(QStringLiteral("\u25B8 Run 2 at ")))
      << app::FromQt(top.block().text());

  outcome().crops()->selectRow(3);  // Almonds
  outcome().tabs()->setCurrentIndex(0);
  outcome().chart_button()->click();
  auto* charts = window().findChild<app::ChartWindow*>();
  EXPECT_TRUE(charts->isVisible());
  EXPECT_EQ(charts->crop()->value(), 4);
  EXPECT_EQ(charts->sa()->text(), "1");
  EXPECT_FALSE(charts->warning()->isVisible()) << app::FromQt(charts->warning()->text());
  outcome().report_button()->click();
  auto* report = window().findChild<app::ReportWindow*>();
  EXPECT_TRUE(report->isVisible());
  EXPECT_FALSE(report->summary()->text().isEmpty()) << app::FromQt(report->warning()->text());
  outcome().files()->setCurrentRow(0);
  outcome().table_button()->click();
  EXPECT_TRUE(window().table_window()->isVisible());
  EXPECT_EQ(window().table_window()->windowTitle(), outcome().files()->item(0)->text());
}

// Cancel after the first crop: the folder is byte-identical, the windows say so, the run
// dialog stays for another try; Cancel pressed again and Escape change nothing.
TEST_F(RunOutcomeTest, CancelAfterTheFirstCropLeavesTheFolderAsItWas) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  OpenDayRun();
  PressOK();  // a first run, so the folder holds results a cancelled run must not change
  const std::string before = folder_.Snapshot();
  OpenDayRun();
  QString label_after_cancel;
  int cancel_signals = -1;
  ProgressWatcher watcher([&](app::RunProgressDialog& dialog) {
    AfterFirstCrop(dialog, [&] {
      QSignalSpy requests(&dialog, &app::RunProgressDialog::cancelRequested);
      dialog.cancel_button()->click();
      dialog.cancel_button()->click();
      QTest::keyClick(&dialog, Qt::Key_Escape);
      dialog.close();
      cancel_signals = static_cast<int>(requests.count());
      label_after_cancel = dialog.labelText();
      EXPECT_TRUE(dialog.isVisible());
      SaveScreenshot(&dialog, "run_progress_cancelling");
    });
  });
  MessageBoxWatcher boxes;
  PressOK();
  EXPECT_EQ(cancel_signals, 1);
  EXPECT_EQ(label_after_cancel, app::kCancellingText);
  EXPECT_TRUE(boxes.texts().empty());
  EXPECT_EQ(folder_.Snapshot(), before);
  EXPECT_EQ(outcome().title()->text(),
            "Last run, MARIC.day, study area 1: The run was cancelled; the folder is as it was");
  EXPECT_EQ(outcome().crops()->rowCount(), 0);
  EXPECT_EQ(outcome().files()->count(), 0);
  EXPECT_TRUE(window().get_data_view()->isVisible());
  EXPECT_FALSE(window().run_active());
  SaveScreenshot(&window(), "main_window_run_cancelled");
}

// Closing the main window during a run stops the run and then closes the window.
TEST_F(RunOutcomeTest, ClosingTheWindowDuringARunStopsTheRun) {
  folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
  const std::string before = folder_.Snapshot();
  OpenDayRun();
  bool still_shown = false;
  ProgressWatcher watcher([&](app::RunProgressDialog& dialog) {
    AfterFirstCrop(dialog, [&] {
      window().close();
      still_shown = window().isVisible();
      EXPECT_EQ(dialog.labelText(), app::kCancellingText);
    });
  });
  PressOK();
  QApplication::processEvents();
  EXPECT_TRUE(still_shown);
  EXPECT_FALSE(window().isVisible());
  EXPECT_EQ(folder_.Snapshot(), before);
}

// The bar moves forward only, the operations before the water balance weigh as much as a few
// crops, and it ends full.
TEST(ProgressScale, AdvancesInProportionToTheWork) {
  app::ProgressScale day(6);  // the day chain: WTHETo, then the balance of six crops
  std::vector<int> values{day.OperationStarted(0, 2), day.OperationStarted(1, 2)};
  for (int crop = 0; crop < 6; ++crop) {
    values.push_back(day.CropStarted(crop, 6));
    values.push_back(day.CropFinished());
  }
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(values.front(), 0);
  EXPECT_EQ(values[1], 2 * app::ProgressScale::kSteps / 9);  // the balance starts at 22 %
  EXPECT_EQ(values.back(), app::ProgressScale::kSteps);
  app::ProgressScale unknown;  // three operations, no crops: a third each
  EXPECT_EQ(unknown.OperationStarted(2, 3), 2 * app::ProgressScale::kSteps / 3);
}

}  // namespace
}  // namespace kelvaro::testing
