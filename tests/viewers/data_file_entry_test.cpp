#include "viewers/data_file_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "session/reporter.h"
#include "support/recording_navigator.h"
#include "support/recording_office.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RecordingNavigator;
using testing::RecordingSpreadsheet;
using testing::TestFolder;
using Lines = std::vector<std::string>;

class DataFileEntry : public ::testing::Test {
 protected:
  TDataFileEntry& Davis(int kind = 1) {
    dialog_.FormActivate();
    dialog_.InputFileTypeComboChange(kind);
    dialog_.InputFile.text = "Davis";
    dialog_.Latitute.text = "38.5";
    dialog_.Elevation.text = "18.5";
    return dialog_;
  }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  RecordingSpreadsheet spreadsheet_;
  RecordingNavigator navigator_;
  TDataFileEntry dialog_{session_, spreadsheet_, navigator_};
};

TEST_F(DataFileEntry, ActivationEmptiesTheFieldsAndSelectsNoKind) {
  TDataFileEntry& dialog = Davis();
  dialog.InputFile.visible = false;
  dialog.FormActivate();
  EXPECT_EQ(dialog.InputFileTypeCombo, -1);
  EXPECT_TRUE(dialog.InputFileTypeExplain.empty());
  EXPECT_TRUE(dialog.InputFile.text.empty());
  EXPECT_TRUE(dialog.InputFile.visible);
  EXPECT_EQ(TDataFileEntry::KindItems(),
            (Lines{"dpn", "day", "mon", "dmn", "mpn", "etm", "det", "mtm", "dtm", "rtm"}));
}

TEST_F(DataFileEntry, SelectingAKindShowsItsExplanation) {
  dialog_.InputFileTypeComboChange(0);
  EXPECT_EQ(dialog_.InputFileTypeExplain, " dpn: Daily raw Epan data for  estimating ETo");
  dialog_.InputFileTypeComboChange(5);
  EXPECT_EQ(dialog_.InputFileTypeExplain,
            "etm: Daily mean temperature and ETo data by month  for simulating ETo");
}

// The file the template names, as `kelvaro-cli template` writes it; an existing one is replaced
// only when the user says so.
TEST_F(DataFileEntry, OkWritesNameDotKindAndNeverReplacesAFileUnasked) {
  const TemplateOutcome written = Davis().ButtonOKClick();
  ASSERT_EQ(written.result, TemplateResult::kWritten) << written.message;
  const auto path = folder_ / "Davis.day";
  EXPECT_EQ(written.file, path);
  EXPECT_EQ(spreadsheet_.calls,
            (Lines{"connect", "visible?", "visible true", "open " + path.string()}));
  const std::string text = folder_.Read("Davis.day");
  EXPECT_EQ(text.substr(0, 20), "Davis.day,38.5,18.5\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 368);
  EXPECT_EQ(dialog_.lines.size(), 368u);

  folder_.Write("DAVIS.day", "the user's filled sheet\n");
  std::filesystem::remove(path);
  const TemplateOutcome exists = Davis().ButtonOKClick();
  EXPECT_EQ(exists.result, TemplateResult::kExists);
  EXPECT_EQ(exists.message,
            "DAVIS.day already exists in " + folder_.path().string() + ". Replace it?");
  EXPECT_EQ(folder_.Read("DAVIS.day"), "the user's filled sheet\n");

  EXPECT_EQ(dialog_.ButtonOKClick(true).result, TemplateResult::kWritten);
  EXPECT_EQ(folder_.Read("DAVIS.day").substr(0, 20), "Davis.day,38.5,18.5\n");
  EXPECT_EQ(folder_.Listing(), "DAVIS.day\n");
}

TEST_F(DataFileEntry, NoKindOrTextsARunWouldRefuseWriteNothing) {
  TDataFileEntry& dialog = Davis(-1);
  EXPECT_EQ(dialog.ButtonOKClick().message,
            "Select a three-character file extension: no template was written");
  Davis().InputFile.text = "Davis Town";
  dialog.Latitute.text = "999";
  const TemplateOutcome refused = dialog.ButtonOKClick();
  EXPECT_EQ(refused.result, TemplateResult::kRefused);
  EXPECT_EQ(refused.message,
            "Station name 'Davis Town' may hold only letters A-Z, digits, '-' and '_': a run "
            "cannot be given it otherwise\nLatitude should be between -90 and 90 degrees");
  EXPECT_EQ(dialog.outcome.result, TemplateResult::kRefused);
  EXPECT_EQ(folder_.Listing(), "");
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

TEST(DataFileEntryOffice, UnreachableSpreadsheetIsReportedAndTheFileStays) {
  TestFolder folder;
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RecordingSpreadsheet spreadsheet(false);
  RecordingNavigator navigator;
  TDataFileEntry dialog(session, spreadsheet, navigator);
  dialog.InputFileTypeComboChange(2);
  dialog.InputFile.text = "Davis";
  dialog.Latitute.text = "38.5";
  dialog.Elevation.text = "18";
  EXPECT_EQ(dialog.ButtonOKClick().result, TemplateResult::kWritten);
  EXPECT_EQ(reporter.boxes(), Lines{"Excel may not be installed"});
  EXPECT_EQ(folder.Listing(), "Davis.mon\n");
}

}  // namespace
}  // namespace kelvaro
