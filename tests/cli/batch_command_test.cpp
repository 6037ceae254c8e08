// kelvaro-cli batch: every line run as `run` would run it alone, a failing line reported with
// its line number, and a batch file that cannot be trusted refused before anything runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunInFolder;
using testing::TestFolder;

// Every file of a folder with its bytes.
std::string Contents(const std::filesystem::path& folder) {
  std::string all;
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path());
  std::sort(names.begin(), names.end());
  for (const auto& path : names) {
    all += path.filename().string() + "\n" + testing::ReadComparable(path);
  }
  return all;
}

// Folders "measured" and "generated" with the bundled Maricopa data and study area; "alone"
// holds the same twice over for the runs made one by one.
void PrepareFolders(const TestFolder& root) {
  for (const char* name : {"measured", "generated", "alone/measured", "alone/generated"}) {
    std::filesystem::create_directories(root / name);
    for (const char* file : {"MARIC.day", "MARIC.mon", "SA00001.csv"}) {
      std::filesystem::copy_file(testing::ExamplePath(file), root / name / file);
    }
  }
}

TEST(BatchCommand, EveryRunIsDoneAsIfAloneAndAFailingLineIsReportedWithStatusOne) {
  TestFolder root;
  PrepareFolders(root);
  root.Write("runs.csv",
             "kind,station,latitude,elevation,sa,years,fetch,folder\n"
             "# measured days (latitude and elevation from the station line), then thirty\n"
             "# generated years\n"
             "day,MARIC,,,1,,,measured\n"
             "mon,MARIC,33.07,361,1,30,,generated\n"
             "day,DAVIS,38.5,18,2,,,measured\n");
  const auto batch = RunInFolder(root, "\"$CLI\" batch runs.csv --jobs 3");
  EXPECT_EQ(batch.status, 1);
  EXPECT_EQ(batch.err, "runs.csv, line 6: An invalid input filename\n");
  EXPECT_EQ(batch.out, "2 of 3 runs done, 1 failed (listed above)\n");

  const auto measured = RunInFolder(root,
                                    "\"$CLI\" run --input day --station MARIC --lat 33.07 --elev "
                                    "361 --sa 1 --dir alone/measured");
  const auto generated = RunInFolder(
      root,
      "\"$CLI\" run --input mon --station MARIC --lat 33.07 --elev 361 --sa 1 --years 30 "
      "--dir alone/generated");
  ASSERT_EQ(measured.status, 0) << measured.err;
  ASSERT_EQ(generated.status, 0) << generated.err;
  EXPECT_TRUE(Contents(root / "measured") == Contents(root / "alone/measured"));
  EXPECT_TRUE(Contents(root / "generated") == Contents(root / "alone/generated"));
  EXPECT_NE(Contents(root / "generated").find("SumofETAWforSA00001.saw"), std::string::npos);
}

TEST(BatchCommand, AFileThatCannotBeTrustedIsRefusedAndNothingRuns) {
  struct Case {
    const char* lines;
    const char* message;
  };
  const Case cases[] = {
      {"day,MARIC,33.07,361,1,,measured\n",
       "runs.csv, line 1: 7 fields where a run needs 8: "
       "kind,station,latitude,elevation,sa,years,fetch,folder"},
      {"kind,station,latitude,elevation,sa,years,fetch,folder\nwth,MARIC,33.07,361,1,,,measured\n",
       "runs.csv, line 2: unknown input kind 'wth'; the kinds are dpn, day, qrd, mon, cdm, dmn, "
       "mpn, etm, met, det, mtm, dtm, rtm"},
      {"day,MARIC,33.07,361,1,,,elsewhere\n",
       "runs.csv, line 1: the folder 'elsewhere' does not exist"},
      {"day,MARIC,33.07,361,1,,,measured\n\nmon,maric,33.07,361,2,30,,./measured\n",
       "runs.csv, line 3: writes the files of station 'maric' in 'FOLDER', as line 1 does; two "
       "runs would write the same files at once"},
      {"day,MARIC,33.07,361,1,,,measured\nmon,MOHAV,35,300,01,30,,measured\n",
       "runs.csv, line 2: writes the results of study area 00001 in 'FOLDER', as line 1 does; "
       "two runs would write the same files at once"},
      {"", "runs.csv holds no runs"},
      {"kind,station,latitude,elevation,sa,years,fetch,folder\n# nothing yet\n",
       "runs.csv holds no runs"},
  };
  for (const Case& c : cases) {
    TestFolder root;
    std::filesystem::create_directories(root / "measured");
    std::filesystem::copy_file(testing::ExamplePath("MARIC.day"), root / "measured/MARIC.day");
    root.Write("runs.csv", c.lines);
    const auto batch = RunInFolder(root, "\"$CLI\" batch runs.csv");
    std::string message = c.message;
    const auto folder = message.find("FOLDER");
    if (folder != std::string::npos) {
      message.replace(folder, 6, std::filesystem::canonical(root / "measured").string());
    }
    EXPECT_EQ(batch.status, 2) << c.lines;
    EXPECT_EQ(batch.err, message + "\nNo run was started.\n");
    EXPECT_EQ(batch.out, "");
    EXPECT_EQ(Contents(root / "measured"),
              "MARIC.day\n" + testing::ReadBytes(root / "measured/MARIC.day"));
  }
}

// The example batch file of the README, its indented lines after the header line.
std::string ReadmeBatchExample() {
  const std::string readme = testing::ReadBytes(testing::ExamplePath("../../README.md"));
  size_t at = readme.find("    kind,station,latitude,elevation,sa,years,fetch,folder\n");
  std::string lines;
  while (at != std::string::npos && readme.compare(at, 4, "    ") == 0) {
    const size_t end = readme.find('\n', at) + 1;
    lines += readme.substr(at + 4, end - at - 4);
    at = end;
  }
  return lines;
}

TEST(BatchCommand, CheckReadsTheFileAndRunsNothingAndTheReadmeExamplePasses) {
  TestFolder root;
  const char* folders[] = {"runs/maricopa-measured", "runs/maricopa-generated", "runs/mohave"};
  for (const char* folder : folders) std::filesystem::create_directories(root / folder);
  root.Write("runs.csv", ReadmeBatchExample());
  const auto check = RunInFolder(root, "\"$CLI\" batch --check runs.csv");
  EXPECT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(check.out, "runs.csv: 3 runs, none writing the files of another\n");
  for (const char* folder : folders) EXPECT_TRUE(std::filesystem::is_empty(root / folder));
}

TEST(BatchCommand, AMissingBatchFileIsRefused) {
  TestFolder root;
  const auto batch = RunInFolder(root, "\"$CLI\" batch runs.csv");
  EXPECT_EQ(batch.status, 2);
  EXPECT_EQ(batch.err, "Couldn't find runs.csv.\n");
}

}  // namespace
}  // namespace kelvaro
