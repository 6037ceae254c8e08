#include <gtest/gtest.h>

#include "balance/eto_etc_aw.h"
#include "support/cli_runner.h"
#include "support/test_folder.h"
#include "weatherio/field_split.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::RunInFolder;
using testing::TestFolder;

// Two years of Maricopa weather and the example study area of six crops, balanced once.
class ResultCommandTest : public ::testing::Test {
 protected:
  ResultCommandTest() {
    folder_.Write("MARST.wrk", testing::ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
    folder_.CopyExamples({"SA00001.csv"});
    RecordingReporter reporter;
    Session session(folder_.path(), reporter);
    RunParameters run;
    run.Station = "MARST";
    run.SA = "1";
    EToETcAW(run, session);
  }
  testing::CliRun Cli(const std::string& arguments) const {
    return RunInFolder(folder_, "\"$CLI\" " + arguments);
  }
  // With no office program on the search path and no display.
  testing::CliRun CliWithoutOffice(const std::string& arguments) const {
    return RunInFolder(folder_, "PATH='" + empty_bin_.path().string() +
                                    "' DISPLAY= WAYLAND_DISPLAY= \"$CLI\" " + arguments);
  }

  TestFolder folder_;
  TestFolder empty_bin_;
};

struct PathCase {
  const char* arguments;
  const char* path;
};

TEST_F(ResultCommandTest, OpenPrintsThePathTheDialogsBuild) {
  const PathCase cases[] = {
      {"open csv --sa 1 --crop 3", "./SA00001C003.CSV\n"},
      {"open mtv --sa 00001 --crop 1", "./SA00001C001.mtv\n"},
      {"open eaw --sa 1 --crop 6", "./SA00001C006.EAW\n"},
      {"open saw --sa 1", "./SumofETAWforSA00001.saw\n"},
      {"open set --sa 1", "./SumofETcforSA00001.set\n"},
      {"open crops --sa 1", "./SA00001.csv\n"},
      {"open crops --sa 1000", "./SA01000.CSV\n"},  // beyond the crop/soil view's 999
      {"open wrk --station MARST", "./MARST.wrk\n"},
      {"open msw --station MARST", "./MARST.avg\n"},
      {"open nor --sa 1 --crop 2", "./SA00001C002.nor\n"},
      {"open mse --sa 1 --crop 2", "./SA00001c002.csv.nor\n"},
  };
  folder_.Write("SA01000.CSV", folder_.Read("SA00001.csv"));
  for (const PathCase& c : cases) {
    const auto run = Cli(std::string(c.arguments) + " --print-path");
    EXPECT_EQ(run.status, 0) << c.arguments << ": " << run.err;
    EXPECT_EQ(run.out, c.path) << c.arguments;
  }
  EXPECT_NE(folder_.Read("MARST.avg").find(" MARST,Number of years= 2\n"), std::string::npos);
  EXPECT_NE(folder_.Read("SA00001c002.csv.nor").find("Daily Mean Values of SA00001C002.CSV,"),
            std::string::npos);
}

struct RefusalCase {
  const char* arguments;
  const char* message;
};

TEST_F(ResultCommandTest, OpenSaysWhatIsMissingAndHandsNothingOver) {
  const std::string here = folder_.path().string();
  const std::string no_crops = "  no crop file SA00002.csv in " + here +
                               ": add crops with `kelvaro-cli crop add --sa 2 ...`, then run the "
                               "study area\n";
  const std::string no_wrk =
      "  no file NONE.wrk in " + here + " (names match in any letter case)\n";
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"open wrk --station NONE", "An invalid input file name\n" + no_wrk},
      {"open msw --station NONE", "An invalid input file name\n" + no_wrk},
      {"open set --sa 2", "An invalid input file name\n" + no_crops},
      {"open csv --sa 2 --crop 1", "An invalid SA number\n" + no_crops},
      {"open csv --sa 1a --crop 1", "An invalid SA number\n"},
      {"open eaw --sa 1 --crop 7",
       "Crop 7 is not in SA00001.csv, which holds 6 crops (numbered "
       "from 1)\n"},
      {"open nor --sa 1 --crop 0",
       "Crop 0 is not in SA00001.csv, which holds 6 crops (numbered "
       "from 1)\n"},
      {"open crops --sa 100000", "SA number should be between 1 and 99999\n"},
      {"open csv --sa 1", "open csv needs --crop\n"},
      {"open wrk --sa 1", "open wrk needs --station\n"},
  };
  for (const auto& c : cases) {
    const auto run = Cli(std::string(c.arguments) + " --print-path");
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_EQ(run.err, c.message) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
  }
}

// A crop of the study area whose results are gone: the dialog's message, then which file.
TEST_F(ResultCommandTest, OpenNamesTheMissingResultFileAndItsFolder) {
  std::filesystem::remove(folder_ / "SA00001C002.mtv");
  const auto run = Cli("open mtv --sa 1 --crop 2 --print-path");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "An invalid input file name\n  no file SA00001C002.mtv in " +
                         folder_.path().string() +
                         " (names match in any letter case): a run of the study area writes it\n");
}

TEST_F(ResultCommandTest, OpenWithoutSpreadsheetSaysSo) {
  const auto run = CliWithoutOffice("open saw --sa 1");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Excel may not be installed\n");

  // LibreOffice is there, but no display to show it on: the file is named instead.
  empty_bin_.Write("soffice", "#!/bin/sh\nexit 0\n");
  std::filesystem::permissions(empty_bin_ / "soffice", std::filesystem::perms::owner_all);
  const auto named = CliWithoutOffice("open saw --sa 1");
  std::filesystem::remove(empty_bin_ / "soffice");
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_EQ(named.err, "");
  EXPECT_EQ(named.out, "no display to show the spreadsheet: the file is " +
                           (folder_ / "SumofETAWforSA00001.saw").string() + "\n");
}

TEST_F(ResultCommandTest, CropShowNumbersTheCropsAsTheirResultFiles) {
  const auto shown = Cli("crop show --sa 1");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("\n003  Corn (grain)"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("\n006  Rice"), std::string::npos) << shown.out;
  EXPECT_EQ(folder_.Read("SA00001C003.CSV").substr(0, 14), " Corn (grain),");
  EXPECT_EQ(folder_.Read("SA00001C006.CSV").substr(0, 6), " Rice,");
}

TEST_F(ResultCommandTest, NormalWritesTheNorFileAndTracesOnRequest) {
  const auto run = Cli("normal --sa 1 --crop 3 --verbose");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Normal year of Corn (grain) written to ./SA00001C003.nor\n");
  EXPECT_NE(run.err.find("ET1="), std::string::npos);
  EXPECT_NE(run.err.find("ET2="), std::string::npos);
  EXPECT_EQ(folder_.Read("SA00001C003.nor").substr(0, 67),
            " Corn (grain), Daily Mean Values of SA00001C003,Number of years= 2\n");

  const auto missing = Cli("normal --sa 1 --crop 9");
  EXPECT_EQ(missing.status, 2);
  std::filesystem::remove(folder_ / "SA00001C004.CSV");
  const auto no_daily = Cli("normal --sa 1 --crop 4");
  EXPECT_EQ(no_daily.status, 2);
  EXPECT_EQ(no_daily.err, "An invalid input file name\n  Looked for SA00001C004.csv in " +
                              folder_.path().string() +
                              ": there is none (names match in any letter case); a run of study "
                              "area 1 writes it\n");
  EXPECT_FALSE(folder_.Has("SA00001C004.nor"));
}

// A value of the daily balance file no run can write: refused naming file and line.
TEST_F(ResultCommandTest, NormalRefusesDailyValuesOutsidePhysicalBounds) {
  struct Case {
    size_t field;  // of the first day's row: 5 ETo, 7 ETc, 8 Pcp
    const char* value;
    std::string message;
  };
  const std::string at = "kelvaro-cli: SA00001C002.CSV, line 4: ";
  const Case cases[] = {
      {5, "1e30", at + "ETo 1e+30 is outside -10..40 mm\n"},
      {5, "-999", at + "ETo is -999, which the water balance never writes\n"},
      {7, "500", at + "ETc 500 is outside -20..80 mm\n"},
      {8, "-3", at + "Pcp -3 is outside 0..2000 mm\n"},
  };
  const std::string original = folder_.Read("SA00001C002.CSV");
  for (const Case& c : cases) {
    std::vector<std::string> lines = SplitLines(original);
    std::vector<std::string> fields = SplitFieldsFromRight(lines[3], 15);
    fields[c.field] = c.value;
    lines[3].clear();
    for (const std::string& field : fields) lines[3] += (lines[3].empty() ? "" : ",") + field;
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    folder_.Write("SA00001C002.CSV", text);
    const std::string before = folder_.Listing();
    const auto run = Cli("normal --sa 1 --crop 2");
    EXPECT_EQ(run.status, 1) << c.value;
    EXPECT_EQ(run.err, c.message) << c.value;
    EXPECT_EQ(folder_.Listing(), before) << c.value;
  }
  folder_.Write("SA00001C002.CSV", original);
}

TEST(TemplateCommand, WritesTheFileItsFirstLineNamesAndNeverReplacesOneUnasked) {
  const TestFolder folder;
  const auto made = RunInFolder(folder,
                                "$CLI template --kind day --name Davis --lat 38.5 "
                                "--elev 18.5");
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out, "./Davis.day\n");
  const std::string text = folder.Read("Davis.day");
  EXPECT_EQ(text.substr(0, 20), "Davis.day,38.5,18.5\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 368);
  EXPECT_EQ(text.substr(text.size() - 7), ",,,365\n");

  folder.Write("Davis.day", "my own data\n");
  const auto again = RunInFolder(folder, "$CLI template --kind day --name DAVIS --lat 1 --elev 2");
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(again.err, "./Davis.day already exists; give --force to replace it\n");
  EXPECT_EQ(folder.Read("Davis.day"), "my own data\n");

  const auto forced =
      RunInFolder(folder,
                  "$CLI template --kind mon --name Davis --lat 1 --elev 2 --force && "
                  "$CLI template --kind day --name Davis --lat 1 --elev 2 --force");
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(folder.Read("Davis.day").substr(0, 14), "Davis.day,1,2\n");
  EXPECT_EQ(folder.Listing(), "Davis.day\nDavis.mon\n");
}

TEST(TemplateCommand, RefusesWhatARunWouldRefuseOrReadUnderAnotherName) {
  const TestFolder folder;
  const RefusalCase cases[] = {
      {"--name ../Davis --lat 1 --elev 2",
       "Station name '../Davis' may hold only letters A-Z, digits, '-' and '_': a run cannot be "
       "given it otherwise\n  (--name)\n"},
      {"--name Maricopa --lat 33.07 --elev 361",
       "Station name 'Maricopa' is longer than five characters: a run reads the file its first "
       "five name (Maric.det); type Maric or another name of five\n  (--name)\n"},
      {"--name 'MA IC' --lat 33.07 --elev 361",
       "Station name 'MA IC' may hold only letters A-Z, digits, '-' and '_': a run cannot be "
       "given it otherwise\n  (--name)\n"},
      {"--name Davis --lat abc --elev 2",
       "Latitude: 'abc' is not a valid floating point value\n  (--lat)\n"},
      {"--name Davis --lat 999 --elev 2",
       "Latitude should be between -90 and 90 degrees\n  (--lat)\n"},
      {"--name Davis --lat 33.07.1 --elev 2",
       "Latitude: '33.07.1' is not a valid floating point value\n  (--lat)\n"},
      {"--name Davis --lat 38,5 --elev 2",
       "Latitude: '38,5' is not a valid floating point value\n  (--lat)\n"},
      {"--name Davis --lat 38 --elev 99999",
       "Elevation should be between -200 and 4000 meters\n  (--elev)\n"},
  };
  for (const RefusalCase& c : cases) {
    const auto run = RunInFolder(folder, std::string("$CLI template --kind det ") + c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_EQ(run.err, c.message);
  }
  EXPECT_EQ(folder.Listing(), "");
}

}  // namespace
}  // namespace kelvaro
