#include <gtest/gtest.h>

#include <algorithm>

#include "dispatch/run_dialog.h"
#include "eto/pan_coefficient.h"
#include "eto/wth_eto.h"
#include "support/example_conversions.h"
#include "support/golden.h"
#include "support/recording_navigator.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/rain_and_evaporation_file.h"
#include "weatherio/row_format.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

// The bundled Maricopa files and study area, run through the run dialog's OK.
class ChainTest : public ::testing::Test {
 protected:
  ChainTest() { folder_.CopyExamples({"MARIC.day", "MARIC.mon", "SA00001.csv"}); }

  void Press(const char* ext, const char* years, const char* fetch = "") {
    dialog_.SetExtension(ext);
    dialog_.FormActivate();
    dialog_.Station.text = "MARICOPA";  // operations read the first five characters
    dialog_.Latitude.text = "33.07";
    dialog_.Elevation.text = "361";
    dialog_.SA.text = "1";
    dialog_.Years.text = years;
    dialog_.FetchVal.text = fetch;
    folder_.Write("MARICOPA." + std::string(ext), "");
    dialog_.ButtonOKClick();
  }

  void ExpectRunWithoutFailures() const {
    EXPECT_EQ(dialog_.Warning.lines, Lines{});
    EXPECT_TRUE(reporter_.boxes().empty());
    EXPECT_EQ(navigator_.events, (Lines{"close TGetData", "open TResultFiles"}));
  }

  // The measured days with their ETo, as the "day" chain writes them.
  std::string MeasuredEto() {
    Session session(folder_.path(), reporter_);
    WTHETo(testing::StationRun("MARIC", "day"), session);
    return folder_.Read("MARIC.eto");
  }

  void ExpectStudyAreaResults() const {
    for (const char* name : {"MARIC.wrk", "SA00001C001.CSV", "SA00001C006.EAW", "SA00001C006.mtv",
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
  EXPECT_TRUE(folder_.Has("MARIC.eto"));
  ExpectStudyAreaResults();
}

TEST_F(ChainTest, MonthlyMeansRunThroughTheGeneratorAndLeaveTheGeneratedExtension) {
  Press("mon", "3");
  EXPECT_TRUE(reporter_.boxes().empty());
  EXPECT_EQ(dialog_.ext, "gen");
  EXPECT_TRUE(folder_.Has("MARIC.gen"));
  EXPECT_TRUE(folder_.Has("MARIC.cpy"));
  EXPECT_TRUE(folder_.Has("MARIC.eto"));
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

TEST_F(ChainTest, StationNetworkExportRunsAsItsDailyWeather) {
  const std::string measured = folder_.Read("MARIC.day");
  folder_.Write("MARIC.qrd", testing::StationNetworkExportOf(measured));
  folder_.Write("MARIC.day", "");
  Press("qrd", "");
  ExpectRunWithoutFailures();
  EXPECT_EQ(dialog_.ext, "day");
  const std::string day = folder_.Read("MARIC.day");
  EXPECT_EQ(day.substr(day.find("\n 2003")), measured.substr(measured.find("\n 2003")));
  EXPECT_TRUE(folder_.Has("MARIC.eto"));
  ExpectStudyAreaResults();
}

TEST_F(ChainTest, StationNetworkExportIsReducedToMonthlyMeansAndGenerated) {
  folder_.Write("MARIC.cdm", testing::StationNetworkExportOf(folder_.Read("MARIC.day")));
  Press("cdm", "3");
  ExpectRunWithoutFailures();
  EXPECT_EQ(dialog_.ext, "gen");
  testing::ExpectMatchesGolden(folder_.Read("MARIC.mon"), "montly_output/MARIC.mon");
  EXPECT_TRUE(folder_.Has("MARIC.gen"));
  EXPECT_EQ(session_.global_pi, kShortPi);
  ExpectStudyAreaResults();
}

// The dialog keeps what its last run gave; the session's random stream goes on from one run
// to the next, so a second generated run differs from the first; a refused OK forgets the run.
TEST_F(ChainTest, TheDialogKeepsItsLastRunAndTheRandomStreamGoesOn) {
  Press("mon", "3");
  ASSERT_TRUE(dialog_.LastRun());
  EXPECT_EQ(dialog_.LastRun()->status, RunResult::Status::kDone);
  EXPECT_EQ(dialog_.LastRun()->crops.size(), 6u);
  EXPECT_NE(std::find(dialog_.LastRun()->files_written.begin(),
                      dialog_.LastRun()->files_written.end(), "SumofETAWforSA00001.saw"),
            dialog_.LastRun()->files_written.end());
  const std::string first = folder_.Read("MARIC.gen");
  Press("mon", "3");
  EXPECT_NE(folder_.Read("MARIC.gen"), first);
  dialog_.SA.text.clear();
  dialog_.ButtonOKClick();
  EXPECT_FALSE(dialog_.LastRun());
}

TEST_F(ChainTest, DailyWeatherIsReducedToMonthlyMeansAndGenerated) {
  folder_.Write("MARIC.dmn", folder_.Read("MARIC.day"));
  Press("dmn", "3");
  ExpectRunWithoutFailures();
  testing::ExpectMatchesGolden(folder_.Read("MARIC.mon"), "montly_output/MARIC.mon");
  EXPECT_NE(folder_.Read("SumofETAWforSA00001.saw").find("Number of years=   3"),
            std::string::npos);
  ExpectStudyAreaResults();
}

TEST_F(ChainTest, DailyEtoGivesTheBalanceOfTheWeatherItCameFrom) {
  Press("day", "");
  const std::string from_weather = folder_.Read("SumofETAWforSA00001.saw");
  folder_.Write("MARIC.det", testing::DailyEtoFileOf(folder_.Read("MARIC.eto")));
  std::filesystem::remove(folder_ / "SumofETAWforSA00001.saw");
  navigator_.events.clear();
  Press("det", "");
  ExpectRunWithoutFailures();
  EXPECT_NE(folder_.Read("MARIC.wrk").find("MARIC_det"), std::string::npos);
  // The balance needs only the days' ETo and rain.
  EXPECT_EQ(folder_.Read("SumofETAWforSA00001.saw"), from_weather);
}

TEST_F(ChainTest, DailyPanRunsThroughItsEtoToTheBalance) {
  const std::string pan = testing::DailyPanFileOf(MeasuredEto());
  folder_.Write("MARIC.dpn", pan);
  std::filesystem::remove(folder_ / "MARIC.wrk");
  Press("dpn", "", "100");
  ExpectRunWithoutFailures();
  const auto wrk = ReadWorkingDailyFile(folder_ / "MARIC.wrk");
  ASSERT_TRUE(wrk.has_value());
  ASSERT_EQ(wrk->days.size(), 6575u);
  const auto pan_days = ParseRainAndEvaporationDays(TextFile{"MARIC.dpn", SplitLines(pan)});
  for (size_t d : {size_t{0}, size_t{200}, size_t{6574}}) {
    EXPECT_EQ(Printf("%.2f", wrk->days[d].eto),
              Printf("%.2f", PanToETo(pan_days[d].evaporation, PanCoefficient(100), kShortPi)));
    EXPECT_EQ(wrk->days[d].pcp, pan_days[d].pcp);
  }
  EXPECT_EQ(wrk->days[0].solar, -999.0f);
  ExpectStudyAreaResults();
}

// Maricopa's ETo of each month from its monthly means.
constexpr std::array<float, 12> kMonthlyEto{2.08f, 2.86f, 4.45f, 6.34f, 7.63f, 8.69f,
                                            8.32f, 7.33f, 6.22f, 4.52f, 2.86f, 1.91f};

TEST_F(ChainTest, MonthlyTablesAndTemperatureFilesRunToTheStudyAreaBalance) {
  const std::string mon = folder_.Read("MARIC.mon");
  const std::string day = folder_.Read("MARIC.day");
  struct Case {
    const char* ext;
    std::string input;
    const char* years;
    const char* fetch;
    const char* ext_after;  // the extension the chain leaves
    const char* saw_years;
  };
  const Case cases[] = {
      {"met", testing::MonthlyTableWithEtoOf(mon), "3", "", "etm", "   3"},
      {"etm", testing::EtoTableOf(mon, kMonthlyEto), "3", "", "etm", "   3"},
      {"mtm", testing::TemperatureTableOf(mon), "3", "", "mtm", "   3"},
      {"dtm", testing::DailyTemperatureFileOf(day), "4", "", "mtm", "   4"},
      {"rtm", testing::DailyTemperatureFileOf(day), "", "", "rtm", "  18"},
      {"mpn", testing::ReadBytes(testing::GoldenInputPath("pan_eto/STATN.mpn")), "3", "100", "epm",
       "   3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ext);
    for (const char* result : {"MARIC.wrk", "SumofETAWforSA00001.saw"}) {
      std::filesystem::remove(folder_ / result);
    }
    navigator_.events.clear();
    folder_.Write("MARIC." + std::string(c.ext), c.input);
    Press(c.ext, c.years, c.fetch);
    ExpectRunWithoutFailures();
    EXPECT_EQ(dialog_.ext, c.ext_after);
    ExpectStudyAreaResults();
    EXPECT_NE(
        folder_.Read("SumofETAWforSA00001.saw").find(std::string("Number of years=") + c.saw_years),
        std::string::npos);
  }
}

TEST_F(ChainTest, PanRunWithoutAFetchIsRefusedByTheDialog) {
  folder_.Write("MARIC.dpn", testing::DailyPanFileOf(MeasuredEto()));
  std::filesystem::remove(folder_ / "MARIC.wrk");
  Press("dpn", "");
  EXPECT_EQ(dialog_.Warning.lines, Lines{"Enter a fetch value"});
  EXPECT_FALSE(folder_.Has("MARIC.wrk"));
}

}  // namespace
}  // namespace kelvaro
