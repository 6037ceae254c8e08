#include "reports/data_file_entry.h"

#include <gtest/gtest.h>

#include "support/recording_navigator.h"
#include "support/recording_office.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::RecordingNavigator;
using testing::RecordingSpreadsheet;
using Lines = std::vector<std::string>;

TEST(DataFileEntry, ActivationEmptiesTheFieldsAndSelectsNoKind) {
  RecordingSpreadsheet spreadsheet;
  RecordingNavigator navigator;
  TDataFileEntry dialog(spreadsheet, navigator);
  dialog.InputFileTypeComboChange(1);
  dialog.InputFile.text = "Davis";
  dialog.InputFile.visible = false;
  dialog.FormActivate();
  EXPECT_EQ(dialog.InputFileTypeCombo, -1);
  EXPECT_TRUE(dialog.InputFileTypeExplain.empty());
  EXPECT_TRUE(dialog.InputFile.text.empty());
  EXPECT_TRUE(dialog.InputFile.visible);
  EXPECT_EQ(TDataFileEntry::KindItems(),
            (Lines{"dpn", "day", "mon", "dmn", "mpn", "etm", "det", "mtm", "dtm", "rtm"}));
}

TEST(DataFileEntry, SelectingAKindShowsItsExplanation) {
  RecordingSpreadsheet spreadsheet;
  RecordingNavigator navigator;
  TDataFileEntry dialog(spreadsheet, navigator);
  dialog.InputFileTypeComboChange(0);
  EXPECT_EQ(dialog.InputFileTypeExplain, " dpn: Daily raw Epan data for  estimating ETo");
  dialog.InputFileTypeComboChange(5);
  EXPECT_EQ(dialog.InputFileTypeExplain,
            "etm: Daily mean temperature and ETo data by month  for simulating ETo");
}

TEST(DataFileEntry, OkPutsTheTemplateOnANewSheet) {
  RecordingSpreadsheet spreadsheet;
  RecordingNavigator navigator;
  TDataFileEntry dialog(spreadsheet, navigator);
  dialog.FormActivate();
  dialog.InputFileTypeComboChange(1);  // day
  dialog.InputFile.text = "Davis";
  dialog.Latitute.text = "38.5";
  dialog.Elevation.text = "18.5";
  dialog.ButtonOKClick();
  EXPECT_EQ(spreadsheet.calls,
            (Lines{"connect", "caption Input File", "visible true", "new sheet Input files"}));
  ASSERT_EQ(spreadsheet.pasted.size(), 368u);
  EXPECT_EQ(spreadsheet.pasted.front(), "Davis.day,38.5,18.5");
  EXPECT_EQ(spreadsheet.pasted.back(), ",,,365");
  EXPECT_EQ(dialog.lines, spreadsheet.pasted);
}

TEST(DataFileEntry, NoKindBuildsNothingAndStillOpensTheSheet) {
  RecordingSpreadsheet spreadsheet;
  RecordingNavigator navigator;
  TDataFileEntry dialog(spreadsheet, navigator);
  dialog.FormActivate();
  dialog.InputFile.text = "Davis";
  dialog.lines = {"left over"};
  dialog.ButtonOKClick();
  EXPECT_TRUE(dialog.lines.empty());
  EXPECT_EQ(spreadsheet.calls.back(), "new sheet Input files");
  EXPECT_TRUE(spreadsheet.pasted.empty());
}

TEST(DataFileEntry, UnreachableSpreadsheetSurfacesAsAnError) {
  RecordingSpreadsheet spreadsheet(false);
  RecordingNavigator navigator;
  TDataFileEntry dialog(spreadsheet, navigator);
  dialog.InputFileTypeComboChange(2);
  EXPECT_THROW(dialog.ButtonOKClick(), InputError);
}

}  // namespace
}  // namespace kelvaro
