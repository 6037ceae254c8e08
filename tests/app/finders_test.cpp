// The template, finder and viewer windows as the user drives them: typed text, chosen items and
// buttons reach the models, and what the models decide comes back on screen.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/data_file_entry_view.h"
#include "app/output_files_view.h"
#include "app/sa_finder_view.h"
#include "app/table_window.h"
#include "app_test_support.h"
#include "support/cli_runner.h"

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;

class FindersTest : public MainWindowTest {
 protected:
  // Study area 1 of the examples run on the Maricopa record: crop file and result files.
  void RunStudyArea() {
    folder_.CopyExamples({"MARIC.day", "SA00001.csv"});
    const CliRun run = RunInFolder(
        folder_, "\"$CLI\" run --input day --station MARIC --lat 33.07 --elev 361 --sa 1");
    ASSERT_EQ(run.status, 0) << run.err;
    spreadsheet_->calls.clear();
  }
  static void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  static void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
  }
  std::string Opened(const std::string& name) const { return "open " + (folder_ / name).string(); }
};

// Answers the question whether to replace a template file with the button of that text, once.
class ReplaceAnswer {
 public:
  explicit ReplaceAnswer(const char* button) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this, button] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible() || box->objectName() != "ReplaceTemplate") continue;
        text_ = box->text().toStdString();
        SaveScreenshot(box, "replace_template");
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == QString::fromLatin1(button)) b->click();
        }
        timer_.stop();
      }
    });
    timer_.start();
  }
  const std::string& text() const { return text_; }

 private:
  QTimer timer_;
  std::string text_;
};

TEST_F(FindersTest, DataFileEntryWritesTheTemplateFileAndAsksBeforeReplacingOne) {
  window().NamedAction("InputCreateFiles")->trigger();
  app::DataFileEntryView* dialog = window().data_file_entry_view();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->kinds()->currentIndex(), -1);
  EXPECT_EQ(dialog->kinds()->count(), 10);
  {
    MessageBoxWatcher boxes;
    Click(dialog, "ButtonOK");  // no kind chosen
    EXPECT_EQ(boxes.texts(),
              Lines{"Select a three-character file extension: no template was written"});
  }
  Choose(dialog->kinds(), dialog->kinds()->findText(QStringLiteral("day")));
  EXPECT_EQ(dialog->explanation()->text(), "day: Daily raw weather data for estimating ETo");
  TypeInto(dialog->field(0), QStringLiteral("Davis"));
  TypeInto(dialog->field(1), QStringLiteral("38.5"));
  TypeInto(dialog->field(2), QStringLiteral("18.5"));
  Click(dialog, "ButtonOK");
  EXPECT_EQ(folder_.Listing(), "Davis.day\n");
  EXPECT_EQ(folder_.Read("Davis.day").substr(0, 20), "Davis.day,38.5,18.5\n");
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("Davis.day"));

  folder_.Write("Davis.day", "the user's filled sheet\n");
  {
    const ReplaceAnswer keep("Keep it");
    Click(dialog, "ButtonOK");
    EXPECT_EQ(keep.text(),
              "Davis.day already exists in " + folder_.path().string() + ". Replace it?");
    EXPECT_EQ(folder_.Read("Davis.day"), "the user's filled sheet\n");
  }
  {
    const ReplaceAnswer replace("Replace");
    Click(dialog, "ButtonOK");
    EXPECT_FALSE(replace.text().empty());
    EXPECT_EQ(folder_.Read("Davis.day").substr(0, 20), "Davis.day,38.5,18.5\n");
  }

  // Shown again, the dialog starts empty, with no kind chosen.
  Click(dialog, "ButtonCancel");
  EXPECT_FALSE(dialog->isVisible());
  window().NamedAction("InputDataFileEntry")->trigger();
  EXPECT_EQ(dialog->kinds()->currentIndex(), -1);
  EXPECT_TRUE(dialog->field(0)->text().isEmpty());
  EXPECT_TRUE(dialog->explanation()->text().isEmpty());
}

TEST_F(FindersTest, CropListFollowsTheTypedStudyAreaAndOkOpensTheCropsFile) {
  RunStudyArea();
  window().RunCommand(*FindMainWindowCommand("CsvBySA"));
  app::SaFinderView* dialog = window().finder_view(Dialog::TShowSAFiles);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "csv File Extension - daily water balance by SA");
  EXPECT_FALSE(dialog->crops()->isVisible());
  TypeInto(dialog->sa(), QStringLiteral("12"));  // no crop file for study area 12
  EXPECT_TRUE(dialog->warning()->isVisible());
  EXPECT_TRUE(dialog->warning()->toPlainText().endsWith("An invalid SA number"));
  TypeInto(dialog->sa(), QStringLiteral("1"));
  EXPECT_FALSE(dialog->warning()->isVisible());
  ASSERT_TRUE(dialog->crops()->isVisible());
  ASSERT_EQ(dialog->crops()->count(), 7);  // the empty item and six crops
  EXPECT_TRUE(dialog->crops()->itemText(0).isEmpty());

  // The empty item names crop 000, which no run writes.
  Choose(dialog->crops(), 0);
  Click(dialog, "ButtonOK");
  EXPECT_TRUE(dialog->isVisible());
  // Lines gather until the next activation: the SA prefixes' messages are still there.
  EXPECT_TRUE(dialog->warning()->toPlainText().endsWith("\nAn invalid input file name"));
  Choose(dialog->crops(), 2);
  Click(dialog, "ButtonOK");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001C002.CSV"));
}

TEST_F(FindersTest, SummariesCropInformationAndTheirMessages) {
  RunStudyArea();
  window().RunCommand(*FindMainWindowCommand("EtawBySA"));
  app::SaFinderView* sums = window().finder_view(Dialog::TGetSumSA);
  EXPECT_EQ(sums->windowTitle(), "Summary of EATW by SA");
  EXPECT_EQ(sums->crops(), nullptr);
  TypeInto(sums->sa(), QStringLiteral("1"));
  Click(sums, "ButtonOK");
  EXPECT_FALSE(sums->isVisible());
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SumofETAWforSA00001.saw"));

  window().RunCommand(*FindMainWindowCommand("CropSoilBySA"));
  app::SaFinderView* info = window().finder_view(Dialog::TGetSACropInfo);
  EXPECT_EQ(info->windowTitle(), "Crop and Soil Information by SA");
  const size_t calls = spreadsheet_->calls.size();
  TypeInto(info->sa(), QStringLiteral("1000"));  // looked up only up to 999: nothing happens
  Click(info, "ButtonOK");
  EXPECT_FALSE(info->warning()->isVisible());
  EXPECT_EQ(spreadsheet_->calls.size(), calls);
  TypeInto(info->sa(), QStringLiteral("123456"));
  Click(info, "ButtonOK");
  TypeInto(info->sa(), QString());
  Click(info, "ButtonOK");
  EXPECT_EQ(info->warning()->toPlainText(),
            "SA number should be between 1 and 99999\nEnter the SA number");
  TypeInto(info->sa(), QStringLiteral("1"));
  Click(info, "ButtonOK");
  EXPECT_FALSE(info->isVisible());
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001.csv"));
}

TEST_F(FindersTest, OutputViewerFollowsTheKindAndNormalYearIsWritten) {
  RunStudyArea();
  window().NamedAction("ViewOutputFiles")->trigger();
  app::OutputFilesView* viewer = window().output_files_view();
  ASSERT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->kinds()->currentText(), "wrk");
  EXPECT_EQ(viewer->city()->text(), "Weather data file name:");
  EXPECT_FALSE(viewer->crops()->isVisible());

  Choose(viewer->kinds(), viewer->kinds()->findText(QStringLiteral("csv")));
  EXPECT_EQ(viewer->city()->text(), "SA number (1-99999):");
  TypeInto(viewer->station(), QStringLiteral("1"));
  ASSERT_TRUE(viewer->crops()->isVisible());
  Choose(viewer->crops(), 1);
  Click(viewer, "ButtonViewExcel");
  EXPECT_EQ(viewer->warning()->toPlainText(), "Use View in Word Button");
  // The file the run wrote, whose name differs from the asked one in letter case only.
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001C001.CSV"));
  EXPECT_TRUE(viewer->isVisible());  // it stays open for the next file

  Choose(viewer->kinds(), viewer->kinds()->findText(QStringLiteral("mse")));
  TypeInto(viewer->station(), QStringLiteral("1"));
  Choose(viewer->crops(), 1);
  Click(viewer, "ButtonViewExcel");
  EXPECT_TRUE(folder_.Has("SA00001c001.csv.nor"));
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001c001.csv.nor"));
  Click(viewer, "ButtonCancel");
  EXPECT_FALSE(viewer->isVisible());
}

TEST_F(FindersTest, NormalYearDialogWritesTheCropsNorFile) {
  RunStudyArea();
  window().NamedAction("StaCropNorm")->trigger();
  app::SaFinderView* dialog = window().finder_view(Dialog::TGetCropItemNum);
  ASSERT_TRUE(dialog->isVisible());
  TypeInto(dialog->sa(), QStringLiteral("1"));
  ASSERT_EQ(dialog->crops()->count(), 7);
  Choose(dialog->crops(), 3);
  Click(dialog, "ButtonOK");
  EXPECT_TRUE(folder_.Has("SA00001C003.nor"));
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001C003.nor"));
}

}  // namespace
}  // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

// "Show as Table" finds or computes the file exactly as OK does and shows it in the program's
// table window; the spreadsheet is not asked.
TEST_F(FindersTest, ShowAsTableOpensTheFoundFileInTheTableWindow) {
  RunStudyArea();
  window().RunCommand(*FindMainWindowCommand("EtawBySA"));
  app::SaFinderView* sums = window().finder_view(Dialog::TGetSumSA);
  TypeInto(sums->sa(), QStringLiteral("1"));
  Click(sums, "ButtonTable");
  EXPECT_FALSE(sums->isVisible());
  EXPECT_TRUE(spreadsheet_->calls.empty());
  ASSERT_TRUE(window().table_window()->isVisible());
  EXPECT_NE(window().table_window()->windowTitle().toStdString().find("SumofETAWforSA00001"),
            std::string::npos);
  window().table_window()->hide();

  window().NamedAction("ViewOutputFiles")->trigger();
  app::OutputFilesView* viewer = window().output_files_view();
  Choose(viewer->kinds(), viewer->kinds()->findText(QStringLiteral("mse")));
  TypeInto(viewer->station(), QStringLiteral("1"));
  Choose(viewer->crops(), 2);
  Click(viewer, "ButtonTable");
  EXPECT_TRUE(folder_.Has("SA00001c002.csv.nor"));
  EXPECT_TRUE(window().table_window()->isVisible());
  EXPECT_TRUE(spreadsheet_->calls.empty());
  SaveScreenshot(viewer, "output_files_table");
  // Without the button the spreadsheet is asked again.
  Click(viewer, "ButtonViewExcel");
  EXPECT_EQ(spreadsheet_->calls.back(), Opened("SA00001c002.csv.nor"));
}

// A spreadsheet with no display to show a window on: the message says so and the file opens in
// the program's table window instead.
TEST_F(FindersTest, WithoutADisplayTheFileOpensInTheTableWindow) {
  RunStudyArea();
  spreadsheet_->lacks_display = true;
  window().RunCommand(*FindMainWindowCommand("EtawBySA"));
  app::SaFinderView* sums = window().finder_view(Dialog::TGetSumSA);
  TypeInto(sums->sa(), QStringLiteral("1"));
  MessageBoxWatcher boxes;
  Click(sums, "ButtonOK");
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_EQ(boxes.texts()[0], "No display to show the spreadsheet: the file is " +
                                  (folder_ / "SumofETAWforSA00001.saw").string() +
                                  "; it is shown in the program's table window instead.");
  EXPECT_FALSE(sums->isVisible());
  ASSERT_TRUE(window().table_window()->isVisible());
  EXPECT_NE(window().table_window()->windowTitle().toStdString().find("SumofETAWforSA00001"),
            std::string::npos);
  SaveScreenshot(window().table_window(), "no_display_table");
}

}  // namespace
}  // namespace kelvaro::testing
