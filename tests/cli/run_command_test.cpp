#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_runner.h"
#include "support/example_conversions.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunCli;
using testing::TestFolder;

std::string In(const TestFolder& folder) { return " --dir '" + folder.path().string() + "'"; }

TEST(RunCommand, ValidationWarningsGoToStderrWithStatusTwo) {
  TestFolder folder;
  const auto result = RunCli("run --input day --station Davis --lat 95 --elev 4000" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err,
            "Latitude should be between -90 and 90 degrees\n"
            "Elevation should be between -200 and 4000 meters\n"
            "Enter the SA number\n");
  EXPECT_EQ(folder.Listing(), "");
}

TEST(RunCommand, PresetFillsTheStationAndMissingFilesAreRefused) {
  TestFolder folder;
  const auto result = RunCli("run --input mon --preset 'Brown Valley' --sa 3" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "An invalid input filename\n");
}

TEST(RunCommand, ConversionFailureIsReportedWithStatusOne) {
  TestFolder folder;
  const auto result =
      RunCli("run --input day --station Davis --lat 3x --elev 18 --sa 1" + In(folder));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "kelvaro-cli: '3x' is not a valid floating point value\n");
}

TEST(RunCommand, MissingDataFolderIsRefused) {
  const auto result =
      RunCli("run --input day --station Davis --lat 38 --elev 18 --sa 1 --dir /nonexistent/x");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "The data folder /nonexistent/x does not exist\n");
}

TEST(DemoCommand, RunsTheBundledStudyAreaOnMeasuredAndGeneratedWeather) {
  TestFolder folder;
  const auto result = RunCli("demo --dir '" + (folder / "demo").string() + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("MARIC.wrk: 18 years, mean annual ETo 1886 mm"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("MARIC.wrk: 30 years"), std::string::npos);
  EXPECT_NE(result.out.find("Corn (grain)"), std::string::npos);
  EXPECT_NE(result.out.find("(MARIC.dmn, study area 1)"), std::string::npos);
  for (const char* run : {"demo/daily", "demo/monthly", "demo/reduced"}) {
    EXPECT_TRUE(folder.Has(std::string(run) + "/SumofETAWforSA00001.saw")) << run;
  }
  EXPECT_NE(result.out.find("statistics of MARIC.wrk"), std::string::npos);
  EXPECT_EQ(folder.Read("demo/daily/MARIC.wxr").substr(0, 49),
            " monthly Mean Values of MARIC,Number of years=18\n");
}

TEST(RunCommand, SuccessfulRunExitsWithZero) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const auto result =
      RunCli("run --input day --station MARIC --lat 33.07 --elev 361 --sa 1" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(folder.Has("SA00001C006.EAW"));
}

TEST(RunCommand, PanAndEtoKindsRun) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  const std::string eto = testing::ReadBytes(testing::GoldenPath("eto/day/MARDY.eto"));
  folder.Write("STATN.dpn", testing::DailyPanFileOf(eto));
  folder.Write("STATN.det", testing::DailyEtoFileOf(eto));
  const std::string station = " --station STATN --lat 33.07 --elev 361 --sa 1";
  const auto pan = RunCli("run --input dpn --fetch 100" + station + In(folder));
  EXPECT_EQ(pan.status, 0) << pan.err;
  EXPECT_NE(folder.Read("STATN.wrk").find("STATN_dpn"), std::string::npos);
  const auto daily_eto = RunCli("run --input det" + station + In(folder));
  EXPECT_EQ(daily_eto.status, 0) << daily_eto.err;
  EXPECT_NE(folder.Read("STATN.wrk").find("STATN_det"), std::string::npos);
  EXPECT_TRUE(folder.Has("SA00001C006.EAW"));
}

TEST(RunCommand, FetchOfZeroIsRefusedBeforeAnythingIsWritten) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  folder.Write("STATN.dpn", "STATN.dpn,33.07,361\nYear\n#\n 2004,1,1,1,0,5\n");
  const auto result = RunCli(
      "run --input dpn --fetch 0 --station STATN --lat 33.07 --elev 361 "
      "--sa 1" +
      In(folder));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "kelvaro-cli: The fetch should be larger than 0 meters (entered: 0)\n");
  EXPECT_EQ(folder.Listing(), "SA00001.csv\nSTATN.dpn\n");
}

TEST(PresetsCommand, ListsEveryPresetStation) {
  const auto result = RunCli("presets");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 55);
  EXPECT_NE(result.out.find("SalSeaEast"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
