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

std::string Folder(const TestFolder& folder) {
  return std::filesystem::canonical(folder.path()).string();
}

constexpr const char* kUsageTail = "Run with --help for more information.\n";

TEST(RunCommand, EachWarningOfTheRunDialogIsFollowedByTheOptionThatFillsIt) {
  TestFolder folder;
  const auto result = RunCli("run --input day --station Davis --lat 95 --elev 4000" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err,
            "Latitude should be between -90 and 90 degrees\n"
            "  --lat '95': decimal degrees, north positive\n"
            "Elevation should be between -200 and 4000 meters\n"
            "  --elev '4000': metres above sea level\n"
            "Enter the SA number\n"
            "  Give --sa: the study-area number, 1 to 99999\n");
  EXPECT_EQ(folder.Listing(), "");

  // Left out for the input file's first line to give, they are missing because the file is:
  // that is said first, as is a station name that is no file name.
  const auto left_out = RunCli("run --input day --station NOPE --sa 1" + In(folder));
  EXPECT_EQ(left_out.status, 2);
  EXPECT_EQ(left_out.err, "An invalid input filename\n  Looked for NOPE.day in " + Folder(folder) +
                              ": there is no such file (--station names it, --dir its folder)\n");
  const auto unsafe = RunCli("run --input day --station ../MARIC" + In(folder));
  EXPECT_EQ(unsafe.status, 2);
  EXPECT_EQ(unsafe.err,
            "The station name may not contain a path separator, '..' or a control character\n"
            "  --station is a file name without extension; --dir names its folder\n");
  folder.Write("NOPE.qrd", "");
  const auto export_file = RunCli("run --input qrd --station NOPE --elev 3 --sa 1" + In(folder));
  EXPECT_EQ(export_file.err,
            "Enter the latitude in degrees\n"
            "  Give --lat in decimal degrees, north positive (qrd files have no station line)\n");
  std::filesystem::remove(folder.path() / "NOPE.qrd");

  folder.CopyExamples({"MARIC.mon", "SA00001.csv"});
  const auto years = RunCli("run --input mon --station MARIC --sa 1" + In(folder));
  EXPECT_EQ(years.status, 2);
  EXPECT_EQ(years.err,
            "Using the latitude 33.07 and the elevation 361 from the first line of MARIC.mon\n"
            "Enter number of years for simulation\n"
            "  Give --years: how many years to generate, 2 to 99\n");
}

TEST(RunCommand, PresetFillsTheStationAndTheMissingFileIsNamed) {
  TestFolder folder;
  const auto result = RunCli("run --input mon --preset 'Brown Valley' --sa 3" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "An invalid input filename\n  Looked for Brown.mon in " + Folder(folder) +
                            " (a file is named by the first five characters of the station: "
                            "'BrownValley' reads Brown.mon): there is no such file (--station "
                            "names it, --dir its folder)\n");
}

TEST(RunCommand, TheHintExplainsTheFiveCharacterRuleForAFileThatIsThere) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  folder.Write("Maricopa.day", testing::ReadBytes(testing::ExamplePath("MARIC.day")));
  const auto result =
      RunCli("run --input day --station Maricopa --lat 33.07 --elev 361 --sa 1" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "An invalid input filename\n  Looked for Maric.day in " + Folder(folder) +
                            " (a file is named by the first five characters of the station: "
                            "'Maricopa' reads Maric.day): rename Maricopa.day to Maric.day, or "
                            "copy it\n");
  EXPECT_EQ(folder.Listing(), "Maricopa.day\nSA00001.csv\n");
}

TEST(RunCommand, AMissingCropFileIsNamedWithTheCommandThatMakesIt) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day"});
  const auto result =
      RunCli("run --input day --station MARIC --lat 33.07 --elev 361 --sa 43" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "An invalid SA number\n  Looked for the crop file SA00043.CSV in " +
                            Folder(folder) +
                            ": there is none; add crops with `kelvaro-cli crop add --sa 43 "
                            "--crop NAME --area HECTARES --dir " +
                            Folder(folder) + "`\n");
}

TEST(RunCommand, YearsAboveNinetyNineAreRefused) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.mon", "SA00001.csv"});
  const auto result = RunCli(
      "run --input mon --station MARIC --lat 33.07 --elev 361 --sa 1 --years 120" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err,
            "Number of years should be at most 99\n"
            "  --years takes 2 to 99: the generators read its first two characters, so '120' "
            "would simulate 12 years\n");
  EXPECT_EQ(folder.Listing(), "MARIC.mon\nSA00001.csv\n");
}

TEST(RunCommand, AnUnknownInputKindIsRefusedWithTheListOfKinds) {
  TestFolder folder;
  const auto result = RunCli("run --input daily --station MARIC --sa 1" + In(folder));
  EXPECT_EQ(result.status, 2);
  const std::string first = "--input: 'daily' is not an input kind; the kinds are:\n";
  ASSERT_EQ(result.err.substr(0, first.size()), first) << result.err;
  for (const char* kind : {"dpn", "day", "qrd", "mon", "cdm", "dmn", "mpn", "etm", "met", "det",
                           "mtm", "dtm", "rtm"}) {
    EXPECT_NE(result.err.find(std::string("\n  ") + kind + "  "), std::string::npos) << kind;
  }
  EXPECT_NE(result.err.find("\n  mpn  monthly means with pan evaporation"), std::string::npos);
  EXPECT_NE(result.err.find("needs --years and --fetch"), std::string::npos);
  EXPECT_TRUE(result.err.ends_with(kUsageTail));
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 15);

  // The kind is found in any letter case; here the run then misses its input file.
  const auto upper = RunCli("run --input DAY --station MARIC --sa 1" + In(folder));
  EXPECT_EQ(upper.status, 2);
  EXPECT_TRUE(upper.err.starts_with("An invalid input filename\n  Looked for MARIC.day"));
}

TEST(RunCommand, ConversionFailureNamesTheOptionAndRefusesTheRun) {
  TestFolder folder;
  const auto result =
      RunCli("run --input day --station Davis --lat 33N --elev 18 --sa 1" + In(folder));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err,
            std::string("--lat: '33N' is not a valid floating point value\n") + kUsageTail);
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
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, std::string("--fetch: should be more than 0, not '0'\n") + kUsageTail);
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
