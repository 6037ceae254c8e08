#include "viewers/result_finders.h"

#include <gtest/gtest.h>

#include "support/dialog_model_test.h"
#include "support/test_folder.h"
#include "viewers/finder_lookup.h"
#include "viewers/study_area_files.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::RecordingNavigator;
using testing::RecordingSpreadsheet;
using testing::TestFolder;
using Lines = std::vector<std::string>;

const Lines kExampleCrops{"",        "Alfalfa(annual)", "Tomato", "Corn (grain)",
                          "Almonds", "Citrus",          "Rice"};

TEST(StudyAreaNames, SaTextIsPaddedToFiveOnlyWhenShorter) {
  EXPECT_EQ(PaddedSaText("7"), "00007");
  EXPECT_EQ(PaddedSaText("1234"), "01234");
  EXPECT_EQ(PaddedSaText("12345"), "12345");
  EXPECT_EQ(PaddedSaText("123456"), "123456");
  EXPECT_EQ(PaddedSaText(""), "00000");
}

TEST(StudyAreaNames, CropNumbersAreThreeDigitsOrAsManyAsTheyNeed) {
  EXPECT_EQ(CropNumberText(0), "000");
  EXPECT_EQ(CropNumberText(1), "001");
  EXPECT_EQ(CropNumberText(42), "042");
  EXPECT_EQ(CropNumberText(999), "999");
  EXPECT_EQ(CropNumberText(1000), "1000");  // as the water balance names crop 1000
  EXPECT_EQ(CropNumberText(-1), "0-1");     // nothing selected
}

TEST(StudyAreaNames, FileNamesByKind) {
  EXPECT_EQ(FinderFileName("csv", "7", 2), "SA00007C002.csv");
  EXPECT_EQ(FinderFileName("mtv", "7", 2), "SA00007C002.mtv");
  EXPECT_EQ(FinderFileName("eaw", "123456", 12), "SA123456C012.eaw");
  EXPECT_EQ(FinderFileName("wrk", "MARIC", 3), "MARIC.wrk");
  EXPECT_EQ(FinderFileName("saw", "7", -1), "SumofETAWforSA00007.saw");
  EXPECT_EQ(FinderFileName("set", "7", -1), "SumofETcforSA00007.set");
  EXPECT_EQ(FinderFileName("avg", "7", 1), "");
}

class FinderTest : public testing::DialogModelTest {
 protected:
  FinderTest() { folder_.CopyExamples({"SA00001.csv"}); }
  TResultFinder Finder(Dialog id, Spreadsheet& spreadsheet) {
    return TResultFinder(FindFinderVariant(id), session_, spreadsheet, navigator_);
  }
  void Type(TResultFinder& dialog, const std::string& text) {
    dialog.SA.text = text;
    dialog.SAChange();
  }

  TResultFinder show_ = Finder(Dialog::TShowSAFiles, spreadsheet_);
  TResultFinder out_ = Finder(Dialog::TGetOutSA, spreadsheet_);
};

TEST_F(FinderTest, ActivationEmptiesAndHidesTheListAndTheWarning) {
  show_.Configure("csv", "csv File Extension - daily water balance by SA", kFinderSaLabel);
  Type(show_, "1");
  show_.Warning.Add("old");
  show_.FormActivate();
  EXPECT_TRUE(show_.SA.text.empty());
  EXPECT_TRUE(show_.CropItemCombo.items.empty());
  EXPECT_FALSE(show_.CropItemCombo.visible);
  EXPECT_EQ(show_.CropItemCombo.selected, -1);
  EXPECT_TRUE(show_.Warning.lines.empty());
  EXPECT_FALSE(show_.Warning.visible);
}

TEST_F(FinderTest, CropListIsRebuiltOnEveryChangeOfTheSaText) {
  show_.Configure("mtv", "", "");
  show_.FormActivate();
  Type(show_, "1");  // "00001": the example's crop file
  EXPECT_TRUE(show_.CropItemCombo.visible);
  EXPECT_EQ(show_.CropItemCombo.items, kExampleCrops);
  EXPECT_FALSE(show_.Warning.visible);
  Type(show_, "12");  // no crop file: the list stays as it was
  Type(show_, "123");
  EXPECT_EQ(show_.Warning.lines, (Lines{"An invalid SA number", "An invalid SA number"}));
  EXPECT_TRUE(show_.Warning.visible);
  EXPECT_EQ(show_.CropItemCombo.items, kExampleCrops);
  Type(show_, "0001");  // found again: the warning hides, its lines stay
  EXPECT_FALSE(show_.Warning.visible);
  EXPECT_EQ(show_.Warning.lines.size(), 2u);
}

TEST_F(FinderTest, SaTextWithLettersIsAnInvalidSaNumber) {
  show_.Configure("csv", "", "");
  show_.FormActivate();
  Type(show_, "1a");
  Type(show_, "../1");
  EXPECT_EQ(show_.Warning.lines, (Lines{"An invalid SA number", "An invalid SA number"}));
}

TEST_F(FinderTest, CropFileWithABrokenRowNamesFileAndLine) {
  folder_.Write("SA00002.csv", testing::ReadBytes(folder_ / "SA00001.csv") + "x,Broken,1\n");
  show_.Configure("csv", "", "");
  show_.FormActivate();
  Type(show_, "2");
  ASSERT_EQ(show_.Warning.lines.size(), 1u);
  EXPECT_NE(show_.Warning.lines[0].find("SA00002.csv, line 10"), std::string::npos)
      << show_.Warning.lines[0];
}

TEST_F(FinderTest, ChosenCropOpensItsFileAndClosesTheDialog) {
  folder_.Write("SA00001C003.mtv", "monthly\n");
  show_.Configure("mtv", "", "");
  show_.FormActivate();
  Type(show_, "1");
  show_.CropItemCombo.Select(3);
  show_.ButtonOKClick();
  EXPECT_EQ(spreadsheet_.calls,
            (Lines{"connect", "visible?", "visible true", "open " + PathOf("SA00001C003.mtv")}));
  EXPECT_FALSE(show_.Warning.visible);
  EXPECT_EQ(navigator_.events, (Lines{"close TShowSAFiles"}));
}

TEST_F(FinderTest, EmptyFirstItemOrNoSelectionFindsNoFile) {
  folder_.Write("SA00001C001.csv", "daily\n");
  show_.Configure("csv", "", "");
  show_.FormActivate();
  Type(show_, "1");
  show_.ButtonOKClick();  // nothing selected: kkk from index -1
  show_.CropItemCombo.Select(0);
  show_.ButtonOKClick();  // the empty item: kkk "000"
  EXPECT_EQ(show_.Warning.lines,
            (Lines{"An invalid input file name", "An invalid input file name"}));
  EXPECT_TRUE(show_.Warning.visible);
  EXPECT_TRUE(spreadsheet_.calls.empty());
  EXPECT_TRUE(navigator_.events.empty());
}

TEST_F(FinderTest, WrkModeTakesAFileNameAndKeepsTheCropListHidden) {
  folder_.Write("MARIC.wrk", "weather\n");
  show_.Configure("wrk", "wrk File Extension - daily weather data by filename", "Input filename:");
  show_.FormActivate();
  Type(show_, "MARIC");
  EXPECT_FALSE(show_.CropItemCombo.visible);
  EXPECT_TRUE(show_.Warning.lines.empty());
  EXPECT_EQ(show_.SALabel, "Input filename:");
  show_.ButtonOKClick();
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("MARIC.wrk"));
}

TEST_F(FinderTest, GetOutSaAlwaysListsCropsAndKnowsOnlyPerCropKinds) {
  folder_.Write("MARIC.wrk", "weather\n");
  EXPECT_EQ(out_.Caption, "Get Out SA");
  out_.ext = "wrk";
  out_.FormActivate();
  out_.SA.text = "1";
  out_.SAChange();
  EXPECT_TRUE(out_.CropItemCombo.visible);
  EXPECT_EQ(out_.CropItemCombo.items, kExampleCrops);
  out_.SA.text = "MARIC";
  out_.ButtonOKClick();  // "wrk" is not one of its kinds: nothing happens
  EXPECT_TRUE(spreadsheet_.calls.empty());
  EXPECT_TRUE(out_.Warning.lines.empty());
}

TEST_F(FinderTest, UnreachableSpreadsheetKeepsTheDialogOpen) {
  folder_.Write("SA00001C001.eaw", "annual\n");
  RecordingSpreadsheet none(false);
  TResultFinder dialog = Finder(Dialog::TShowSAFiles, none);
  dialog.Configure("eaw", "", "");
  dialog.FormActivate();
  Type(dialog, "1");
  dialog.CropItemCombo.Select(1);
  dialog.ButtonOKClick();
  EXPECT_EQ(reporter_.boxes(), (Lines{"Excel may not be installed"}));
  EXPECT_TRUE(navigator_.events.empty());
}

TEST_F(FinderTest, SummaryFinderOpensTheSummaryOfItsKind) {
  folder_.Write("SumofETcforSA00001.set", "summary\n");
  TResultFinder sums = Finder(Dialog::TGetSumSA, spreadsheet_);
  sums.Configure("set", "Summary of ETc by SA", "");
  sums.FormActivate();
  sums.SA.text = "1";
  sums.ButtonOKClick();
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("SumofETcforSA00001.set"));
  EXPECT_EQ(navigator_.events, (Lines{"close TGetSumSA"}));

  sums.Configure("saw", "Summary of EATW by SA", "");
  sums.FormActivate();
  sums.SA.text = "1";
  sums.ButtonOKClick();
  EXPECT_EQ(sums.Warning.lines, (Lines{"An invalid input file name"}));
  sums.FormActivate();
  EXPECT_TRUE(sums.Warning.lines.empty());
}

TEST_F(FinderTest, CropInfoRangeRules) {
  TResultFinder info = Finder(Dialog::TGetSACropInfo, spreadsheet_);
  EXPECT_EQ(info.Caption, "Crop and Soil Information by SA");
  info.FormActivate();
  for (const char* silent : {"1000", "99999", "0", "-3"}) {
    info.SA.text = silent;
    info.ButtonOKClick();
    EXPECT_TRUE(info.Warning.lines.empty()) << silent;
    EXPECT_FALSE(info.Warning.visible) << silent;
  }
  EXPECT_TRUE(spreadsheet_.calls.empty());

  info.SA.text = "100000";
  info.ButtonOKClick();
  info.SA.text = "";
  info.ButtonOKClick();
  info.SA.text = "2";
  info.ButtonOKClick();
  EXPECT_EQ(info.Warning.lines, (Lines{"SA number should be between 1 and 99999",
                                       "Enter the SA number", "An invalid input file name"}));
  info.FormActivate();  // hidden, not cleared: the lines accumulate
  EXPECT_FALSE(info.Warning.visible);
  EXPECT_EQ(info.Warning.lines.size(), 3u);

  info.SA.text = "1";
  info.ButtonOKClick();
  EXPECT_EQ(spreadsheet_.calls.back(), "open " + PathOf("SA00001.csv"));
  EXPECT_EQ(navigator_.events, (Lines{"close TGetSACropInfo"}));
}

TEST_F(FinderTest, CropInfoRefusesAnSaTextThatIsNoNumber) {
  TResultFinder info = Finder(Dialog::TGetSACropInfo, spreadsheet_);
  info.FormActivate();
  info.SA.text = "7a";
  EXPECT_THROW(info.ButtonOKClick(), ConversionError);
  EXPECT_TRUE(spreadsheet_.calls.empty());
}

}  // namespace
}  // namespace kelvaro
