#include "viewers/output_files.h"

#include <gtest/gtest.h>

#include "balance/eto_etc_aw.h"
#include "stats/weather_statistics.h"
#include "support/dialog_model_test.h"
#include "support/test_folder.h"
#include "viewers/result_finders.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::ReadBytes;
using testing::RecordingNavigator;
using testing::RecordingSpreadsheet;
using testing::TestFolder;
using Lines = std::vector<std::string>;

// Two years of Maricopa weather and the example study area of six crops, balanced once.
class ViewerTest : public testing::DialogModelTest {
 protected:
  ViewerTest() {
    folder_.Write("MARST.wrk", ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
    folder_.CopyExamples({"SA00001.csv"});
    RunParameters run;
    run.Station = "MARST";
    run.SA = "1";
    EToETcAW(run, session_);
  }
  void Choose(int kind, const std::string& station) {
    viewer_.FileTypeComboChange(kind);
    viewer_.Station.text = station;
    viewer_.StationChange();
  }

  TOutputFiles viewer_{session_, spreadsheet_, navigator_};
  TResultFinder normal_{FindFinderVariant(Dialog::TGetCropItemNum), session_, spreadsheet_,
                        navigator_};
};

TEST_F(ViewerTest, KindsSetTheLabelAndTheCropList) {
  viewer_.FormActivate();
  EXPECT_EQ(viewer_.FileTypeCombo.selected, 0);
  EXPECT_EQ(viewer_.City, "Weather data file name:");
  EXPECT_FALSE(viewer_.CropItemCombo.visible);
  Choose(1, "MARST");  // msw: no crop list
  EXPECT_EQ(viewer_.ext, "msw");
  EXPECT_FALSE(viewer_.CropItemCombo.visible);
  Choose(4, "1");  // mtv
  EXPECT_EQ(viewer_.City, "SA number (1-99999):");
  EXPECT_TRUE(viewer_.CropItemCombo.visible);
  EXPECT_EQ(viewer_.CropItemCombo.items.size(), 7u);
  viewer_.Station.text = "2";
  viewer_.StationChange();
  EXPECT_EQ(viewer_.Warning.lines, (Lines{"An invalid SA number"}));
  viewer_.FileTypeComboChange(5);  // eaw clears the warning and hides the list again
  EXPECT_TRUE(viewer_.Warning.lines.empty());
  EXPECT_FALSE(viewer_.CropItemCombo.visible);
  EXPECT_TRUE(viewer_.Station.text.empty());
}

TEST_F(ViewerTest, FileNamesByKind) {
  EXPECT_EQ(OutputFileName("wrk", "MARST", -1), "MARST.wrk");
  EXPECT_EQ(OutputFileName("msw", "MARST", -1), "MARST.avg");
  EXPECT_EQ(OutputFileName("csv", "1", 2), "SA00001c002.csv");
  EXPECT_EQ(OutputFileName("mtv", "1", 2), "SA00001c002.mtv");
  EXPECT_EQ(OutputFileName("eaw", "1", 2), "SA00001c002.eaw");
  EXPECT_EQ(OutputFileName("mse", "1", 2), "SA00001c002.csv.nor");
}

TEST_F(ViewerTest, CsvAlwaysSaysUseViewInWordAndStillOpensTheFile) {
  viewer_.FormActivate();
  Choose(3, "1");
  viewer_.CropItemCombo.Select(2);
  viewer_.ButtonViewExcelClick();
  viewer_.ButtonViewExcelClick();
  EXPECT_EQ(viewer_.Warning.lines, (Lines{"Use View in Word Button", "Use View in Word Button"}));
  EXPECT_TRUE(viewer_.Warning.visible);
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("SA00001C002.CSV"));  // found by case
  EXPECT_TRUE(navigator_.events.empty());  // the viewer stays open
}

TEST_F(ViewerTest, ViewingAtOnceHandsTheEmptyNameToTheSpreadsheet) {
  viewer_.FormActivate();
  viewer_.ButtonViewExcelClick();
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf(".wrk"));
}

TEST_F(ViewerTest, MswOverwritesTheDailyMeansWithTheShorterFirstLine) {
  ASSERT_TRUE(WeatherStatistics("MARST", session_));
  const Lines full = SplitLines(folder_.Read("MARST.avg"));
  viewer_.FormActivate();
  Choose(1, "MARST");
  viewer_.ButtonViewExcelClick();
  const Lines viewed = SplitLines(folder_.Read("MARST.avg"));
  ASSERT_EQ(viewed.size(), full.size());
  EXPECT_EQ(full[0], " Daily Mean Values of MARST,Number of years= 2");
  EXPECT_EQ(viewed[0], " MARST,Number of years= 2");
  EXPECT_EQ(Lines(viewed.begin() + 1, viewed.end()), Lines(full.begin() + 1, full.end()));
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("MARST.avg"));
}

TEST_F(ViewerTest, MswWithoutWorkingFileIsAnInvalidInputFileName) {
  viewer_.FormActivate();
  Choose(1, "NONE");
  viewer_.ButtonViewExcelClick();
  Choose(1, "../MARST");
  viewer_.ButtonViewExcelClick();
  EXPECT_EQ(viewer_.Warning.lines,
            (Lines{"An invalid input file name", "An invalid input file name"}));
  EXPECT_TRUE(spreadsheet_.calls.empty());
  EXPECT_FALSE(folder_.Has("NONE.avg"));
}

TEST_F(ViewerTest, MseWritesTheDailyFileNamePlusNorAndNamesItInItsFirstLine) {
  viewer_.FormActivate();
  Choose(2, "1");
  viewer_.CropItemCombo.Select(3);
  viewer_.ButtonViewExcelClick();
  ASSERT_TRUE(folder_.Has("SA00001c003.csv.nor")) << folder_.Listing();
  const Lines lines = SplitLines(folder_.Read("SA00001c003.csv.nor"));
  EXPECT_EQ(lines[0], " Corn (grain), Daily Mean Values of SA00001C003.CSV,Number of years= 2");
  EXPECT_EQ(lines.size(), 369u);
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("SA00001c003.csv.nor"));

  // The same numbers as the dialog's own ".nor", under another first line.
  normal_.FormActivate();
  normal_.SA.text = "1";
  normal_.SAChange();
  normal_.CropItemCombo.Select(3);
  normal_.ButtonOKClick();
  const Lines own = SplitLines(folder_.Read("SA00001C003.nor"));
  EXPECT_EQ(own[0], " Corn (grain), Daily Mean Values of SA00001C003,Number of years= 2");
  EXPECT_EQ(Lines(own.begin() + 1, own.end()), Lines(lines.begin() + 1, lines.end()));
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("SA00001C003.nor"));
}

TEST_F(ViewerTest, MseWithoutCropFindsNoDailyFile) {
  viewer_.FormActivate();
  Choose(2, "1");
  viewer_.ButtonViewExcelClick();  // nothing selected
  EXPECT_EQ(viewer_.Warning.lines, (Lines{"An invalid input file name"}));
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

TEST_F(ViewerTest, MseWithoutCropFileNamesItsPath) {
  std::filesystem::rename(folder_ / "SA00001.csv", folder_ / "SA00001.old");
  viewer_.FormActivate();
  viewer_.FileTypeComboChange(2);
  viewer_.Station.text = "1";
  viewer_.CropItemCombo.items = {"", "Alfalfa(annual)"};
  viewer_.CropItemCombo.Select(1);
  viewer_.ButtonViewExcelClick();
  EXPECT_EQ(reporter_.boxes(), (Lines{"Couldn't find " + PathOf("SA00001.CSV") + "."}));
  EXPECT_FALSE(folder_.Has("SA00001c001.csv.nor"));
}

TEST_F(ViewerTest, NormalYearDialogMessages) {
  EXPECT_EQ(normal_.Caption, "mse file extension - daily mean water balance by Study Area");
  normal_.FormActivate();
  EXPECT_FALSE(normal_.CropItemCombo.visible);
  normal_.SA.text = "1";
  normal_.SAChange();
  EXPECT_TRUE(normal_.CropItemCombo.visible);
  normal_.CropItemCombo.Select(0);  // the empty first item: crop 000
  normal_.ButtonOKClick();
  EXPECT_EQ(normal_.Warning.lines, (Lines{"An invalid input file name"}));
  normal_.SA.text = "7";
  normal_.SAChange();
  EXPECT_EQ(normal_.Warning.lines.back(), "An invalid SA number");
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

TEST_F(ViewerTest, CloseExcelQuitsAndExitClosesTheViewer) {
  viewer_.ButtonCloseExcelClick();
  viewer_.ButtonCancelClick();
  EXPECT_EQ(spreadsheet_.calls, (Lines{"quit"}));
  EXPECT_EQ(navigator_.events, (Lines{"close TOutputFiles"}));
}

TEST(ResultFiles, ViewClosesTheNoticeAndOpensTheViewer) {
  RecordingNavigator navigator;
  TResultFiles notice(navigator);
  notice.ButtonViewClick();
  notice.ButtonExitClick();
  EXPECT_EQ(navigator.events,
            (Lines{"close TResultFiles", "open TOutputFiles", "close TResultFiles"}));
  EXPECT_EQ(kResultFilesCreated, "All the output files have been created in your directory");
}

}  // namespace
}  // namespace kelvaro
