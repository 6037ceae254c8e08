#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunInFolder;
using testing::TestFolder;

const std::filesystem::path kExamples = KELVARO_EXAMPLES_DIR;

TEST(CropCommand, ExampleScriptWritesTheExampleStudyAreaByteForByte) {
  const TestFolder folder;
  const std::string script = (kExamples / "../../scripts/make-example-study-area").string();
  const auto run = RunInFolder(folder, "'" + script + "' \"$CLI\" .");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(folder.Listing(), "SA00001.csv\n");
  EXPECT_EQ(folder.Read("SA00001.csv"), testing::ReadBytes(kExamples / "SA00001.csv"));
}

TEST(CropCommand, AddAppendsARowAndShowPrintsIt) {
  const TestFolder folder;
  const auto added =
      RunInFolder(folder,
                  "$CLI crop add --sa 12 --crop 'CORN(GRAIN)' --area 40 --plant 2025-05-01 "
                  "--end 2025-09-30");
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "Added Corn (grain) to ./SA00012.csv\n");
  EXPECT_NE(folder.Read("SA00012.csv").find("SA00012C1.13121273MNMks1.0000IF30N,Corn (grain)"),
            std::string::npos);

  const auto shown = RunInFolder(folder, "$CLI crop show --sa 12");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("SA00012.csv: 1 crops"), std::string::npos);
  EXPECT_NE(shown.out.find("001  Corn (grain)"), std::string::npos);
  EXPECT_NE(shown.out.find("190.500"), std::string::npos);
}

TEST(CropCommand, FormWarningsGoToStderrWithStatusTwo) {
  const TestFolder folder;
  const auto run = RunInFolder(folder, "$CLI crop add --sa 1500 --area 3");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "You must select a crop\n  (--crop)\n");

  const auto stress = RunInFolder(folder,
                                  "$CLI crop add --sa 1 --crop Almonds --area 3 "
                                  "--stress 0.5 --stress-begin 07-01");
  EXPECT_EQ(stress.status, 2);
  EXPECT_EQ(stress.err, "Enter Ending Date of Stress Factor\n  (--stress-end)\n");

  // Without a crop no class decides which inputs apply; the form asks for the crop.
  const auto no_crop = RunInFolder(folder, "$CLI crop add --sa 1 --area 3 --cover-c 50");
  EXPECT_EQ(no_crop.status, 2);
  EXPECT_EQ(no_crop.err, "You must select a crop\n  (--crop)\n");

  const auto cover = RunInFolder(folder,
                                 "$CLI crop add --sa 1 --crop Citrus --area 3 "
                                 "--cover-b -5");
  EXPECT_EQ(cover.status, 2);
  EXPECT_EQ(cover.err,
            "Ground cover on date B should be between 0 and 100 %, not -5\n  (--cover-b)\n");
  EXPECT_EQ(folder.Listing(), "");
}

TEST(CropCommand, BadInputIsRefusedWithStatusTwoAndWritesNothing) {
  const TestFolder folder;
  const struct {
    const char* options;
    const char* message;
  } cases[] = {
      {"--crop Rice --area 4x", "--area: Hectares planted: '4x' is not a valid integer value"},
      {"--crop Rice --area 4 --max-soil deep", "Maximum soil depth: 'deep' is not a valid"},
      {"--crop Rice --area 4 --plant 2025-02-29",
       "--plant: Planting date: '2025-02-29' is not a valid"},
      {"--crop Rice --area -4",
       "Hectares planted should be above 0 and at most 1000000 ha, not -4\n  (--area)\n"},
      {"--crop Rice --area 4 --depletion 500",
       "Allowable depletion should be above 0 and at most 100 %, not 500\n  (--depletion)\n"},
      {"--crop Rice --area 4 --max-soil ../x", "--max-soil: Maximum soil depth: '../x'"},
      {"--crop Banana --area 4", "--crop: unknown crop 'Banana'"},
      {"--crop '../Rice' --area 4", "--crop: unknown crop '../Rice'"},
      {"--crop Rice --area ''", "--area: an empty value"},
      {"--crop Rice --area 4 --root 'Zürich'", "Rooting depth: 'Zürich' is not a valid"},
      {"--crop Rice --area 4 --pre-irrigated yes",
       "Pre-irrigated should be Y or N, not 'yes'\n  (--pre-irrigated)\n"},
      {"--crop Wheat --area 4 --cover1 03-01 04-01", "--cover1 does not apply to Wheat"},
      {"--crop Citrus --area 4 --stress 0.5 --stress-begin 07-01 --stress-end 08-01",
       "--stress does not apply to Citrus"},
      {"--crop Almonds --area 4 --stress-begin 07-01", "need --stress"},
      {"--crop Almonds --area 4 --stress 0.5x --stress-begin 07-01 --stress-end 08-01",
       "--stress: Stress factor: '0.5x' is not a valid floating point value"},
      {"--crop Rice --area 4 --dir nowhere", "--dir: the folder 'nowhere' does not exist"},
  };
  for (const auto& bad : cases) {
    const auto run = RunInFolder(folder, std::string("$CLI crop add --sa 5 ") + bad.options);
    EXPECT_EQ(run.status, 2) << bad.options << "\n" << run.err;
    EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(folder.Listing(), "");
}

// Values a run could not use: each refused naming the option and what to type, with status 2,
// and the crop file keeps every byte.
TEST(CropCommand, ValuesARunCannotUseAreRefusedAndTheFileKeepsEveryByte) {
  const TestFolder folder;
  ASSERT_EQ(RunInFolder(folder, "$CLI crop add --sa 5 --crop Rice --area 4").status, 0);
  const std::string before = folder.Read("SA00005.csv");
  const struct {
    const char* options;
    const char* err;
  } cases[] = {
      {"--sa 5 --crop Rice --area 4 --max-soil 3e38 --root 3e38",
       "Maximum soil depth should be between 1 and 10000 mm, not 3e+38\n  (--max-soil)\n"
       "Rooting depth should be between 1 and 10000 mm, not 3e+38\n  (--root)\n"},
      {"--sa 5 --crop Rice --area 4 --depletion 0",
       "Allowable depletion should be above 0 and at most 100 %, not 0\n  (--depletion)\n"},
      {"--sa 5 --crop Rice --area 0",
       "Hectares planted should be above 0 and at most 1000000 ha, not 0\n  (--area)\n"},
      {"--sa 5 --crop Rice --area 4 --wetting-frequency 0",
       "Wetting frequency should be at least 1 day, not 0\n  (--wetting-frequency)\n"},
      {"--sa 5 --crop Rice --area 4 --soil X",
       "Soil type should be L, M or H, not 'X'\n  (--soil)\n"},
      {"--sa 5 --crop Rice --area 4 --pre-irrigated maybe",
       "Pre-irrigated should be Y or N, not 'maybe'\n  (--pre-irrigated)\n"},
      {"--sa 5 --crop Almonds --area 4 --cover1 2025-11-01 2026-02-15",
       "Cover crop 1 should end after it begins, not run from day 305 to day 46: a period across "
       "the year end is not applied; give the part of each year as its own period (to 12-31, and "
       "from 01-01)\n  (--cover1)\n"},
      {"--sa 0 --crop Rice --area 4",
       "kelvaro-cli: --sa: the study-area number should be between 1 and 99999\n"},
      {"--sa 123456 --crop Rice --area 4",
       "kelvaro-cli: --sa: the study-area number should be between 1 and 99999\n"},
  };
  for (const auto& bad : cases) {
    const auto run = RunInFolder(folder, std::string("$CLI crop add ") + bad.options);
    EXPECT_EQ(run.status, 2) << bad.options;
    EXPECT_EQ(run.err, bad.err);
  }
  EXPECT_EQ(folder.Listing(), "SA00005.csv\n");
  EXPECT_EQ(folder.Read("SA00005.csv"), before);
}

TEST(CropCommand, ListShowsEveryCropAndShowRefusesAMissingFile) {
  const TestFolder folder;
  const auto list = RunInFolder(folder, "$CLI crop list");
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("  # Crop                     CropNo Class   Kc1   Kc2   Kc3  B %  C %  "
                          "D % Plant   End   Root mm\n"),
            std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find(" 14 Corn(grain)                1.13     1  0.20  1.05  0.60   20   45 "
                          "  75 05-01 09-30  1700.022\n"),
            std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find(" 64 Walnuts"), std::string::npos);

  const auto show = RunInFolder(folder, "$CLI crop show --sa 9");
  EXPECT_EQ(show.status, 2);
  const std::string where = std::filesystem::canonical(folder.path()).string();
  EXPECT_EQ(show.err, "kelvaro-cli: Couldn't find SA00009.CSV.\n  Looked for SA00009.csv in " +
                          where +
                          " (in any letter case): add crops with `kelvaro-cli crop add --sa 9 "
                          "--crop NAME --area HECTARES --dir " +
                          where + "`\n");
}

TEST(CropCommand, ListingsTakeCsvForScripts) {
  const TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  const struct {
    const char* command;
    const char* first_lines;
    int lines;
  } listings[] = {
      {"crop list --format csv",
       "#,Crop,CropNo,Class,Kc1,Kc2,Kc3,B %,C %,D %,Plant,End,Root mm\n"
       "0,Alfalfa(Annual),2.01,2,1.00,1.00,1.00,25,50,75,01-01,12-31,2000\n",
       66},
      {"crop show --sa 1 --format CSV",
       "kkk,Crop,Class,Plant,End,Area,Soil mm,Root mm,Depl%,AW,PAW mm,YTD mm,WF,GC% B/C/D/E,"
       "Cover 1,Cover 2,Stage% B/C/D,Kc1,Kc2,Kc3,Ks,Stress,Pre\n"
       "001,Alfalfa(annual),2,1,365,120,1524.00,2000.00,40.00,0.075,114.300,45.720,10,0/0/0/0,-,-,"
       "25/50/75,1.00,1.00,1.00,1.00,-,N\n",
       7},
      {"presets --format csv", "Region,Name,Station,Latitude,Elevation\nSR,Davis,Davis,38.5,18.5\n",
       55},
  };
  for (const auto& listing : listings) {
    const auto run = RunInFolder(folder, std::string("$CLI ") + listing.command);
    ASSERT_EQ(run.status, 0) << listing.command << run.err;
    EXPECT_EQ(run.out.substr(0, std::string(listing.first_lines).size()), listing.first_lines);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), listing.lines) << listing.command;
  }
}

TEST(CropCommand, RemoveTakesOutOneRowAndLeavesEveryOtherByte) {
  const TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  const std::string before = folder.Read("SA00001.csv");
  const auto refused = RunInFolder(folder, "$CLI crop remove --sa 1 --crop 7");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "kelvaro-cli: --crop: SA00001.csv has no crop 7; its 6 crops are numbered 1 to 6 "
            "(`crop show` lists them)\n");
  EXPECT_EQ(folder.Read("SA00001.csv"), before);

  const auto removed = RunInFolder(folder, "$CLI crop remove --sa 1 --crop 2");
  ASSERT_EQ(removed.status, 0) << removed.err;
  EXPECT_EQ(removed.out.substr(0, 44), "Removed crop 2 (Tomato) from ./SA00001.csv\nT");
  const size_t tomato = before.find("SA00001C1.43");
  const size_t next = before.find('\n', tomato) + 1;
  EXPECT_EQ(folder.Read("SA00001.csv"), before.substr(0, tomato) + before.substr(next));
  EXPECT_EQ(folder.Listing(), "SA00001.csv\n");
}

// A row a run refuses is named with its file and line, and `crop remove` takes it out.
TEST(CropCommand, ARefusedRowIsNamedAndCanBeRemoved) {
  const TestFolder folder;
  std::string text = testing::ReadBytes(testing::ExamplePath("SA00001.csv"));
  const std::string tomato = text.substr(text.find("SA00001C1.43"));
  text += tomato.substr(0, tomato.find('\n') + 1);
  text.replace(text.rfind("   40.00,"), 9, "    0.00,");  // allowable depletion of the 7th row
  folder.Write("SA00001.csv", text);
  const auto shown = RunInFolder(folder, "$CLI crop show --sa 1");
  EXPECT_EQ(shown.status, 1);
  EXPECT_EQ(shown.err,
            "kelvaro-cli: SA00001.csv, line 10 (crop 7): Allowable depletion should be above 0 "
            "and at most 100 %, not 0\n");
  const auto removed = RunInFolder(folder, "$CLI crop remove --sa 1 --crop 7");
  ASSERT_EQ(removed.status, 0) << removed.err;
  EXPECT_EQ(removed.out, "Removed crop 7 (Tomato) from ./SA00001.csv\n");
  EXPECT_EQ(folder.Read("SA00001.csv"), testing::ReadBytes(testing::ExamplePath("SA00001.csv")));
}

// A crop file edited in a spreadsheet: CRLF line ends, a blank line between two rows.
TEST(CropCommand, RemoveKeepsCarriageReturnsAndDoesNotCountBlankLines) {
  const TestFolder folder;
  std::string crlf;
  for (char c : testing::ReadBytes(testing::ExamplePath("SA00001.csv"))) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const size_t second_row = crlf.find("SA00001C1.43");
  crlf.insert(second_row, "\r\n");
  folder.Write("SA00007.CSV", crlf);
  const auto removed = RunInFolder(folder, "$CLI crop remove --sa 7 --crop 2");
  ASSERT_EQ(removed.status, 0) << removed.err;
  const size_t next = crlf.find('\n', second_row + 2) + 1;
  EXPECT_EQ(folder.Read("SA00007.CSV"), crlf.substr(0, second_row + 2) + crlf.substr(next));
}

}  // namespace
}  // namespace kelvaro
