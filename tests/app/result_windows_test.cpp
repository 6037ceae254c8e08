// The table, report and chart windows of the Output Files menu on the bundled study area's
// results, with pictures of each under screenshots/.
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/chart_window.h"
#include "app/report_window.h"
#include "app/table_window.h"
#include "app_test_support.h"
#include "support/cli_runner.h"

namespace kelvaro::testing {
namespace {

namespace fs = std::filesystem;

class ResultWindowsTest : public MainWindowTest {
 protected:
  // Measured Maricopa days through study area 1 and the statistics, once for the suite.
  static void SetUpTestSuite() {
    results_ = new TestFolder;
    results_->CopyExamples({"MARIC.day", "SA00001.csv"});
    const auto run = RunInFolder(*results_,
                                 "\"$CLI\" run --input day --station MARIC --lat 33.07 --elev 361 "
                                 "--sa 1 && \"$CLI\" stats --station MARIC");
    ASSERT_EQ(run.status, 0) << run.err;
  }
  static void TearDownTestSuite() { delete results_; }

  ResultWindowsTest() {
    for (const auto& entry : fs::directory_iterator(results_->path())) {
      fs::copy_file(entry.path(), folder_ / entry.path().filename().string());
    }
  }

  template <typename Window>
  Window* Opened(const QString& item) {
    QAction* action = MenuItem(QStringLiteral("Output Files"), item);
    if (action == nullptr) return nullptr;
    action->trigger();
    QApplication::processEvents();
    auto* shown = window().findChild<Window*>();
    EXPECT_NE(shown, nullptr);
    if (shown != nullptr) {
      EXPECT_TRUE(shown->isVisible()) << item.toStdString();
    }
    return shown;
  }

  static TestFolder* results_;
};

TestFolder* ResultWindowsTest::results_ = nullptr;

TEST_F(ResultWindowsTest, ADailyFileIsATableSortedByAnyColumnAndCopiedAsTabbedLines) {
  auto* table = window().findChild<app::TableWindow*>();
  ASSERT_NE(table, nullptr);
  ASSERT_NE(MenuItem(QStringLiteral("Output Files"), QStringLiteral("Table of a File...")),
            nullptr);
  ASSERT_TRUE(table->Open(folder_ / "SA00001C003.CSV"));
  QApplication::processEvents();
  QTableView* view = table->panel()->view();
  QAbstractItemModel* model = view->model();
  ASSERT_EQ(model->columnCount(), 15);
  EXPECT_EQ(model->rowCount(), 6575);  // 2003..2020
  EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), "ETo (mm)");
  EXPECT_EQ(table->title()->text(), "Corn (grain),SA00001C1.13105258MNHks1.0000IF30Y");
  EXPECT_EQ(model->index(0, 5).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
            Qt::AlignRight);

  // A click on the ETo header sorts by value, a second click the other way.
  const QPoint eto(view->horizontalHeader()->sectionViewportPosition(5) + 10, 5);
  QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {}, eto);
  const double first = model->index(0, 5).data().toDouble();
  QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {}, eto);
  const double last_first = model->index(0, 5).data().toDouble();
  EXPECT_LT(first, last_first);
  for (int row = 1; row < 50; ++row) EXPECT_LE(model->index(row, 5).data().toDouble(), last_first);
  SaveScreenshot(table, "table_window");

  view->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                 QItemSelectionModel::Select);
  QTest::mouseClick(Child<QPushButton>(table, "Copy"), Qt::LeftButton);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_EQ(copied.count(QLatin1Char('\n')), 2);
  EXPECT_EQ(copied.count(QLatin1Char('\t')), 2);
  EXPECT_TRUE(copied.startsWith(model->index(0, 0).data().toString() + "\t"))
      << copied.toStdString();

  QTest::mouseClick(Child<QPushButton>(table, "OpenInSpreadsheet"), Qt::LeftButton);
  ASSERT_FALSE(spreadsheet_->calls.empty());
  EXPECT_EQ(spreadsheet_->calls.back(), "open " + (folder_ / "SA00001C003.CSV").string());

  // A result changed since its run is not shown as the run's.
  std::ofstream(folder_ / "SA00001C003.CSV", std::ios::app) << "\n";
  MessageBoxWatcher boxes;
  EXPECT_FALSE(table->Open(folder_ / "SA00001C003.CSV"));
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_TRUE(boxes.texts()[0].starts_with("SA00001C003.CSV is not the file the day run of MARIC"))
      << boxes.texts()[0];
}

TEST_F(ResultWindowsTest, TheReportShowsAndWritesTheBudgetOrSaysWhyNot) {
  auto* report = Opened<app::ReportWindow>(QStringLiteral("Study-Area Report..."));
  ASSERT_NE(report, nullptr);
  QTest::mouseClick(Child<QPushButton>(report, "Show"), Qt::LeftButton);
  EXPECT_EQ(report->warning()->text(), "Enter the SA number");

  TypeInto(report->sa(), QStringLiteral("1"));
  report->units()->setCurrentText(QStringLiteral("acre-ft"));
  QTest::mouseClick(Child<QPushButton>(report, "Show"), Qt::LeftButton);
  EXPECT_FALSE(report->warning()->isVisible()) << report->warning()->text().toStdString();
  QAbstractItemModel* model = report->panel()->view()->model();
  ASSERT_EQ(model->rowCount(), 7);  // six crops and the study area
  EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), "Volume (acre-ft)");
  EXPECT_EQ(model->index(6, 1).data().toString(), "Study area 00001");
  EXPECT_TRUE(
      report->summary()->text().startsWith("Study area 00001: 910 ha, 18 years (2003-2020)"))
      << report->summary()->text().toStdString();
  EXPECT_TRUE(folder_.Has("WaterBudgetforSA00001.csv"));
  SaveScreenshot(report, "report_window");

  QTest::mouseClick(Child<QPushButton>(report, "OpenInSpreadsheet"), Qt::LeftButton);
  EXPECT_EQ(spreadsheet_->calls.back(), "open " + (folder_ / "WaterBudgetforSA00001.csv").string());

  TypeInto(report->sa(), QStringLiteral("2"));
  QTest::mouseClick(Child<QPushButton>(report, "Show"), Qt::LeftButton);
  EXPECT_TRUE(report->warning()->isVisible());
  EXPECT_EQ(report->warning()->text(), "SA00002.CSV is missing: study area 2 has no crop file");
  EXPECT_EQ(model->rowCount(), 0);  // study area 1's budget is not left in view
  EXPECT_EQ(report->summary()->text(), "");
  const size_t calls = spreadsheet_->calls.size();
  QTest::mouseClick(Child<QPushButton>(report, "OpenInSpreadsheet"), Qt::LeftButton);
  EXPECT_EQ(spreadsheet_->calls.size(), calls);
  SaveScreenshot(report, "report_window_refusal");
}

TEST_F(ResultWindowsTest, ChartsAreDrawnInTheWindowAndSavedAsPngOrSvg) {
  auto* charts = Opened<app::ChartWindow>(QStringLiteral("Charts..."));
  ASSERT_NE(charts, nullptr);
  EXPECT_FALSE(charts->Save(folder_ / "none.png"));
  EXPECT_EQ(charts->warning()->text(), "Draw a chart first");

  charts->kind()->setCurrentIndex(0);  // season
  TypeInto(charts->sa(), QStringLiteral("1"));
  charts->crop()->setValue(3);
  TypeInto(charts->year(), QStringLiteral("2010"));
  charts->Draw();
  ASSERT_NE(charts->view()->chart(), nullptr);
  EXPECT_EQ(charts->view()->chart()->series().size(), 7);
  EXPECT_EQ(charts->view()->chart()->title(), "Corn (grain), study area 00001, 2010");
  EXPECT_FALSE(charts->warning()->isVisible());
  SaveScreenshot(charts, "chart_window");
  EXPECT_TRUE(charts->Save(folder_ / "corn.svg"));
  EXPECT_TRUE(charts->Save(folder_ / "corn.png"));
  EXPECT_EQ(folder_.Read("corn.svg").substr(0, 5), "<?xml");
  EXPECT_EQ(folder_.Read("corn.png").substr(1, 3), "PNG");

  charts->kind()->setCurrentIndex(4);  // daily statistics
  EXPECT_FALSE(charts->sa()->isEnabled());
  EXPECT_EQ(charts->variable()->currentText(), "ETo");
  TypeInto(charts->station(), QStringLiteral("MARIC"));
  charts->Draw();
  EXPECT_EQ(charts->view()->chart()->series().size(), 2);

  charts->kind()->setCurrentIndex(3);  // generated: the statistics replaced the generator's file
  charts->Draw();
  EXPECT_TRUE(charts->warning()->isVisible());
  EXPECT_TRUE(charts->warning()->text().startsWith("MARIC.mon is missing"))
      << charts->warning()->text().toStdString();
}

}  // namespace
}  // namespace kelvaro::testing
