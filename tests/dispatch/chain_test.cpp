#include <gtest/gtest.h>

#include "dispatch/run_dialog.h"
#include "support/recording_navigator.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

// The bundled Maricopa files and study area, run through the run dialog's OK.
class ChainTest : public ::testing::Test {
 protected:
  ChainTest() { folder_.CopyExamples({"MARIC.day", "MARIC.mon", "SA00001.csv"}); }

  void Press(const char* ext, const char* years) {
    dialog_.SetExtension(ext);
    dialog_.FormActivate();
    dialog_.Station.text = "MARICOPA";  // operations read the first five characters
    dialog_.Latitude.text = "33.07";
    dialog_.Elevation.text = "361";
    dialog_.SA.text = "1";
    dialog_.Years.text = years;
    folder_.Write("MARICOPA." + std::string(ext), "");
    dialog_.ButtonOKClick();
  }

  void ExpectStudyAreaResults() const {
    for (const char* name :
         {"MARIC.eto", "MARIC.wrk", "SA00001C001.CSV", "SA00001C006.EAW", "SA00001C006.mtv",
          "SumofETAWforSA00001.saw", "SumofETcforSA00001.set"}) {
      EXPECT_TRUE(folder_.Has(name)) << name;
    }
  }

  testing::TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  testing::RecordingNavigator navigator_;
  TGetData dialog_{session_, navigator_};
};

TEST_F(ChainTest, DailyWeatherRunsThroughEtoToTheStudyAreaBalance) {
  Press("day", "");
  EXPECT_FALSE(dialog_.Warning.visible);
  EXPECT_TRUE(reporter_.boxes().empty());
  EXPECT_EQ(dialog_.DataReady, "yes");
  EXPECT_EQ(navigator_.events, (Lines{"close TGetData", "open TResultFiles"}));
  EXPECT_EQ(folder_.Read("MARIC.wrk"), folder_.Read("MARIC.eto"));
  EXPECT_FALSE(folder_.Has("MARIC.gen"));
  ExpectStudyAreaResults();
}

TEST_F(ChainTest, MonthlyMeansRunThroughTheGeneratorAndLeaveTheGeneratedExtension) {
  Press("mon", "3");
  EXPECT_TRUE(reporter_.boxes().empty());
  EXPECT_EQ(dialog_.ext, "gen");
  EXPECT_TRUE(folder_.Has("MARIC.gen"));
  EXPECT_TRUE(folder_.Has("MARIC.cpy"));
  ExpectStudyAreaResults();
  EXPECT_NE(folder_.Read("SumofETAWforSA00001.saw").find("Number of years=   3"),
            std::string::npos);
}

// Progress arrives per operation of the chain and per crop of the study area, in order.
class ProgressRecorder : public RecordingReporter {
 public:
  void OperationStarted(const std::string& name, int index, int count) override {
    steps.push_back(name + " " + std::to_string(index) + "/" + std::to_string(count));
  }
  void CropStarted(const std::string& crop_name, int index, int count) override {
    steps.push_back("  " + crop_name + " " + std::to_string(index) + "/" + std::to_string(count));
  }
  Lines steps;
};

TEST_F(ChainTest, ProgressIsReportedPerOperationAndPerCrop) {
  ProgressRecorder recorder;
  Session session(folder_.path(), recorder);
  TGetData dialog(session, navigator_);
  dialog.SetExtension("day");
  dialog.FormActivate();
  dialog.Station.text = "MARIC";
  dialog.Latitude.text = "33.07";
  dialog.Elevation.text = "361";
  dialog.SA.text = "1";
  dialog.ButtonOKClick();
  ASSERT_EQ(recorder.steps.size(), 8u);
  EXPECT_EQ(recorder.steps[0], "WTHETo 0/2");
  EXPECT_EQ(recorder.steps[1], "EToETcAW 1/2");
  for (int k = 0; k < 6; ++k) {
    const std::string& line = recorder.steps[static_cast<size_t>(k + 2)];
    EXPECT_TRUE(line.starts_with("  ")) << line;
    EXPECT_TRUE(line.ends_with(" " + std::to_string(k) + "/6")) << line;
  }
}

TEST_F(ChainTest, EmptyDailyFileAbandonsTheRunBeforeAnyResultIsWritten) {
  folder_.Write("MARIC.day", "");
  EXPECT_THROW(Press("day", ""), InputError);
  EXPECT_FALSE(folder_.Has("MARIC.wrk"));
  EXPECT_FALSE(folder_.Has("SumofETAWforSA00001.saw"));
}

}  // namespace
}  // namespace kelvaro
