#include "viewers/statistics_dialogs.h"

#include <gtest/gtest.h>

#include "support/dialog_model_test.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::ReadBytes;
using testing::RecordingNavigator;
using testing::RecordingSpreadsheet;
using testing::TestFolder;
using Lines = std::vector<std::string>;

constexpr const char* kStatisticsExtensions[] = {"avg", "sdv", "cov", "wxr", "std", "cve"};

class StatisticsDialogTest : public testing::DialogModelTest {
 protected:
  void CopyTwoYears() const {
    folder_.Write("MARST.wrk", ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
  }
  void RunFor(const std::string& station) {
    dialog_.FormActivate();
    dialog_.Station.text = station;
    dialog_.ButtonOKClick();
  }

  TGetSimulatedStationName dialog_{session_, spreadsheet_, navigator_};
  TStatisticsPath path_{dialog_, navigator_};
};

TEST_F(StatisticsDialogTest, ActivationEmptiesTheNameAndHidesTheWarning) {
  dialog_.Station.text = "MARST";
  dialog_.Warning.Add("An invalid input file name");
  dialog_.Warning.Show();
  dialog_.FormActivate();
  EXPECT_TRUE(dialog_.Station.Empty());
  EXPECT_TRUE(dialog_.Warning.lines.empty());
  EXPECT_FALSE(dialog_.Warning.visible);
}

TEST_F(StatisticsDialogTest, OkWritesTheSixFilesAndOpensTheChosenOneAndStaysOpen) {
  CopyTwoYears();
  dialog_.Choose(kStatisticChoices[4]);
  EXPECT_EQ(dialog_.Caption,
            "Statistical Analysis - monthly standard deviation weather data by filename");
  RunFor("MARST");
  for (const char* ext : kStatisticsExtensions) {
    EXPECT_TRUE(folder_.Has(std::string("MARST.") + ext)) << ext;
  }
  EXPECT_EQ(spreadsheet_.calls, (Lines{"connect", "visible?", "visible true",
                                       "open " + (folder_ / "MARST.std").string()}));
  EXPECT_FALSE(dialog_.Warning.visible);
  EXPECT_TRUE(navigator_.events.empty());
}

TEST_F(StatisticsDialogTest, MonthlyStDevWritesTheSameSixFilesAsDailyMean) {
  CopyTwoYears();
  dialog_.Choose(kStatisticChoices[0]);
  RunFor("MARST");
  std::vector<std::string> daily_mean;
  for (const char* ext : kStatisticsExtensions) {
    daily_mean.push_back(folder_.Read(std::string("MARST.") + ext));
  }
  dialog_.Choose(kStatisticChoices[4]);
  RunFor("MARST");
  for (size_t i = 0; i < daily_mean.size(); ++i) {
    EXPECT_EQ(folder_.Read(std::string("MARST.") + kStatisticsExtensions[i]), daily_mean[i]);
  }
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + (folder_ / "MARST.std").string());
  EXPECT_EQ(spreadsheet_.calls[3], "open " + (folder_ / "MARST.avg").string());
}

TEST_F(StatisticsDialogTest, MissingWorkingFileShowsTheWarningAndWritesNothing) {
  dialog_.Choose(kStatisticChoices[0]);
  for (int attempt = 0; attempt < 2; ++attempt) RunFor("Davis");
  EXPECT_EQ(dialog_.Warning.lines, Lines{"An invalid input file name"});
  EXPECT_TRUE(dialog_.Warning.visible);
  EXPECT_EQ(folder_.Listing(), "");
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

TEST_F(StatisticsDialogTest, UnreachableSpreadsheetLeavesTheSixFiles) {
  CopyTwoYears();
  RecordingSpreadsheet unreachable(false);
  TGetSimulatedStationName dialog(session_, unreachable, navigator_);
  dialog.Choose(kStatisticChoices[2]);
  dialog.FormActivate();
  dialog.Station.text = "MARST";
  dialog.ButtonOKClick();
  EXPECT_EQ(reporter_.boxes(), Lines{"Excel may not be installed"});
  for (const char* ext : kStatisticsExtensions) {
    EXPECT_TRUE(folder_.Has(std::string("MARST.") + ext)) << ext;
  }
}

TEST_F(StatisticsDialogTest, BadWorkingFileThrowsBeforeAnythingIsWrittenOrOpened) {
  folder_.Write("BAD.wrk", " BAD,38,18\nheader\nunits\n 2003,1,1,1,x,2,3,4,5,6,7\n");
  dialog_.Choose(kStatisticChoices[0]);
  dialog_.Station.text = "BAD";
  EXPECT_THROW(dialog_.ButtonOKClick(), ConversionError);
  EXPECT_EQ(folder_.Listing(), "BAD.wrk\n");
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

TEST_F(StatisticsDialogTest, CancelClosesTheDialog) {
  dialog_.ButtonCancelClick();
  EXPECT_EQ(navigator_.events, Lines{"close TGetSimulatedStationName"});
}

TEST(StatisticsPath, ItemsInOrderAndFirstSelectedOnActivation) {
  Lines items;
  for (const StatisticChoice& choice : kStatisticChoices) items.emplace_back(choice.list_item);
  EXPECT_EQ(items, (Lines{"Daily Mean", "Daily St Dev", "Daily CV", "Monthly Mean",
                          "Monthly St Dev", "Monthly Cv"}));
  TestFolder folder;
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RecordingSpreadsheet spreadsheet;
  RecordingNavigator navigator;
  TGetSimulatedStationName dialog(session, spreadsheet, navigator);
  TStatisticsPath path(dialog, navigator);
  path.StatisticsPathCombo = 3;
  path.FormActivate();
  EXPECT_EQ(path.StatisticsPathCombo, 0);
}

TEST(StatisticsPath, OkSetsTheStatisticsDialogAsTheCommandOfTheSamePosition) {
  const struct {
    const char* ext;
    const char* caption;
  } expected[] = {
      {"avg", "Statistical Analysis - daily mean weather data by filename"},
      {"sdv", "Statistical Analysis - daily standard deviation weather data by filename"},
      {"cov", "Statistical Analysis - daily CV weather data by filename"},
      {"wxr", "Statistical Analysis - monthly mean weather data by filename"},
      {"std", "Statistical Analysis - monthly standard deviation weather data by filename"},
      {"cve", "Statistical Analysis - monthly CV weather data by filename"},
  };
  TestFolder folder;
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RecordingSpreadsheet spreadsheet;
  for (int item = 0; item < 6; ++item) {
    RecordingNavigator navigator;
    TGetSimulatedStationName dialog(session, spreadsheet, navigator);
    TStatisticsPath path(dialog, navigator);
    path.FormActivate();
    path.StatisticsPathCombo = item;
    path.ButtonOKClick();
    EXPECT_EQ(dialog.ext, expected[item].ext);
    EXPECT_EQ(dialog.Caption, expected[item].caption);
    EXPECT_EQ(navigator.events, (Lines{"open TGetSimulatedStationName", "close TStatisticsPath"}));
  }
  RecordingNavigator navigator;
  TGetSimulatedStationName dialog(session, spreadsheet, navigator);
  TStatisticsPath path(dialog, navigator);
  path.ButtonCancelClick();
  EXPECT_EQ(navigator.events, Lines{"close TStatisticsPath"});
  EXPECT_TRUE(dialog.ext.empty());
}

}  // namespace
}  // namespace kelvaro
