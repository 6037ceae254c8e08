#include <gtest/gtest.h>

#include <set>

#include "dispatch/path_dialogs.h"
#include "dispatch/preset_stations.h"
#include "support/recording_navigator.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

TEST(PresetStations, TableHoldsEveryStationOfEveryRegion) {
  EXPECT_EQ(kPresetStations.size(), 54u);
  std::set<std::string_view> regions;
  for (const auto& preset : kPresetStations) regions.insert(preset.region);
  EXPECT_EQ(regions, (std::set<std::string_view>{"SR", "TL", "NL", "SJ", "NC", "CC", "SF", "SL",
                                                 "SC", "CR"}));
  const PresetStation* san_diego = FindPresetStation("San Diego");
  const PresetStation* parlier = FindPresetStation("Parlier");
  ASSERT_TRUE(san_diego && parlier);
  EXPECT_EQ(san_diego->latitude, parlier->latitude);
  EXPECT_EQ(san_diego->elevation, parlier->elevation);
  EXPECT_EQ(FindPresetStation("Al turas")->station, "Altrus");
  EXPECT_EQ(FindPresetStation("Meloland")->elevation, "-15");
  EXPECT_EQ(FindPresetStation("Gerber")->latitude, "40");
  EXPECT_EQ(FindPresetStation("nowhere"), nullptr);
}

class DialogsTest : public ::testing::Test {
 protected:
  testing::TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  testing::RecordingNavigator navigator_;
  TGetData run_dialog_{session_, navigator_};
};

TEST_F(DialogsTest, PresetFillsStationLatitudeElevationAndYearsOnly) {
  run_dialog_.SA.text = "12";
  run_dialog_.FetchVal.text = "100";
  run_dialog_.ChoosePreset(*FindPresetStation("Brown Valley"));
  EXPECT_EQ(run_dialog_.Station.text, "BrownValley");
  EXPECT_EQ(run_dialog_.Latitude.text, "39.3");
  EXPECT_EQ(run_dialog_.Elevation.text, "287");
  EXPECT_EQ(run_dialog_.Years.text, "30");
  EXPECT_EQ(run_dialog_.SA.text, "12");
  EXPECT_EQ(run_dialog_.FetchVal.text, "100");
}

TEST_F(DialogsTest, PathDialogsSetExtensionAndFieldsAndOpenTheNextDialog) {
  struct Case {
    Dialog dialog;
    int item;
    const char* ext;  // nullptr: left as it was
    bool years_visible;
    bool fetch_visible;
    const char* opens;
  };
  const Case cases[] = {
      {Dialog::TAnalysisPath, 0, nullptr, false, false, "TTimeInterval"},
      {Dialog::TAnalysisPath, 1, "day", false, false, "TGetData"},
      {Dialog::TTimeInterval, 0, "dmn", true, false, "TGetData"},
      {Dialog::TTimeInterval, 1, "mon", true, false, "TGetData"},
      {Dialog::TPanAnalysisPath, 0, "mpn", true, true, "TGetData"},
      {Dialog::TPanAnalysisPath, 1, "dpn", false, true, "TGetData"},
      {Dialog::TEToAnalysisPath, 0, "etm", true, false, "TGetData"},
      {Dialog::TEToAnalysisPath, 1, "det", false, false, "TGetData"},  // FetchVal left hidden
      {Dialog::TTempAnalysisPath, 0, nullptr, false, false, "TTempTimeInterval"},
      {Dialog::TTempAnalysisPath, 1, "rtm", false, false, "TGetData"},
      {Dialog::TTempTimeInterval, 0, "dtm", true, false, "TGetData"},
      {Dialog::TTempTimeInterval, 1, "mtm", true, false, "TGetData"},
  };
  for (const Case& c : cases) {
    run_dialog_.SetExtension("xyz");
    run_dialog_.Years.visible = false;
    run_dialog_.FetchVal.visible = false;
    navigator_.events.clear();
    PathDialog dialog(c.dialog, run_dialog_, navigator_);
    dialog.FormActivate();
    EXPECT_EQ(dialog.selected, 0);
    dialog.selected = c.item;
    dialog.ButtonOKClick();
    const std::string name = testing::RecordingNavigator::Name(c.dialog);
    EXPECT_EQ(run_dialog_.ext, c.ext ? c.ext : "xyz") << name << " " << c.item;
    EXPECT_EQ(run_dialog_.Years.visible, c.years_visible) << name << " " << c.item;
    EXPECT_EQ(run_dialog_.FetchVal.visible, c.fetch_visible) << name << " " << c.item;
    EXPECT_EQ(navigator_.events, (Lines{"close " + name, std::string("open ") + c.opens}));
  }
}

TEST_F(DialogsTest, EToPathLeavesAShownFetchShown) {
  run_dialog_.FetchVal.visible = true;
  PathDialog dialog(Dialog::TEToAnalysisPath, run_dialog_, navigator_);
  dialog.selected = 1;
  dialog.ButtonOKClick();
  EXPECT_TRUE(run_dialog_.FetchVal.visible);
  EXPECT_EQ(run_dialog_.extention, "Your input file extension is: det");
}

TEST_F(DialogsTest, CancelOnlyCloses) {
  run_dialog_.SetExtension("day");
  PathDialog dialog(Dialog::TTimeInterval, run_dialog_, navigator_);
  dialog.ButtonCancelClick();
  EXPECT_EQ(navigator_.events, Lines{"close TTimeInterval"});
  EXPECT_EQ(run_dialog_.ext, "day");
}

}  // namespace
}  // namespace kelvaro
