#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/cli_runner.h"
#include "support/golden.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunInFolder;
using testing::TestFolder;

constexpr const char* kSixFiles = "MARST.avg\nMARST.cov\nMARST.cve\nMARST.sdv\nMARST.std\n";

class StatsCommandTest : public ::testing::Test {
 protected:
  StatsCommandTest() {
    folder_.Write("MARST.wrk", testing::ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
  }
  // Runs with an office program of the test's own making, or none, on the search path.
  testing::CliRun Stats(const std::string& arguments, const std::string& display = "") {
    return RunInFolder(folder_, "PATH='" + (bin_.path()).string() + ":/usr/bin:/bin' DISPLAY='" +
                                    display + "' WAYLAND_DISPLAY= \"$CLI\" stats " + arguments);
  }
  std::string Listing() const { return folder_.Listing(); }

  TestFolder folder_;
  TestFolder bin_;
};

TEST_F(StatsCommandTest, WritesTheSixFiles) {
  const auto result = Stats("--station MARST");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "Statistics of MARST.wrk written to .: MARST.avg MARST.sdv MARST.cov MARST.wxr "
            "MARST.std MARST.cve\n");
  EXPECT_EQ(Listing(), std::string(kSixFiles) + "MARST.wrk\nMARST.wxr\n");
  testing::ExpectMatchesGolden(folder_.Read("MARST.std"), "stats/MARST.std");
}

TEST_F(StatsCommandTest, VerboseShowsTheTraceLines) {
  const auto result = Stats("--station MARST --verbose");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err.substr(0, 26), "enter penman\nenter penman\n");
}

TEST_F(StatsCommandTest, RefusalsAndBadInput) {
  struct Case {
    std::string arguments;
    int status;
    std::string err;
  };
  folder_.Write("BAD.wrk", " BAD,38,18\nheader\nunits\n 2003, 14,1,1,1,2,3,4,5,6,7\n");
  const Case cases[] = {
      {"--station Davis", 2,
       "An invalid input file name\n  Looked for Davis.wrk in " + folder_.path().string() +
           ": there is none (names match in any letter case); every run writes the working file "
           "of its station\n"},
      {"--station BAD", 1, "kelvaro-cli: BAD.wrk, line 4: Mon 14 is outside 1..12\n"},
      {"--station ../MARST", 2,
       "kelvaro-cli: --station: '../MARST' is a file name without .wrk; --dir names its "
       "folder\n"},
      {"--station MARST --dir /nonexistent/x", 2,
       "The data folder /nonexistent/x does not exist\n"},
  };
  for (const Case& c : cases) {
    const auto result = Stats(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.err, c.err) << c.arguments;
    EXPECT_EQ(Listing(), "BAD.wrk\nMARST.wrk\n") << c.arguments;
  }
  EXPECT_EQ(Stats("--station MARST --kind mon").status, 2);
}

// Without an office program, or with one that has no display to show a window on; the files
// stay written either way.
TEST_F(StatsCommandTest, OpenWithoutAnOfficeProgramOrADisplayLeavesTheFiles) {
  struct Case {
    const char* what;
    const char* soffice;  // the script on the search path, none when null
    const char* display;
    int status;
    std::string out;
    std::string err;
  };
  const std::string written =
      "Statistics of MARST.wrk written to .: MARST.avg MARST.sdv MARST.cov MARST.wxr MARST.std "
      "MARST.cve\n";
  const std::string no_display =
      "no display to show the spreadsheet: the file is " + (folder_ / "MARST.std").string() + "\n";
  const Case cases[] = {
      {"no office program", nullptr, "", 1, written, "Excel may not be installed\n"},
      {"no display", "#!/bin/sh\nexit 0\n", "", 0, written + no_display, ""},
      {"a display it cannot open", "#!/bin/sh\necho 'Failed to open display :99' >&2\nexit 1\n",
       ":99", 0, written + no_display, ""},
  };
  for (const Case& c : cases) {
    TestFolder bin;
    if (c.soffice != nullptr) {
      bin.Write("soffice", c.soffice);
      std::filesystem::permissions(bin / "soffice", std::filesystem::perms::owner_all);
    }
    const auto result = RunInFolder(
        folder_, "PATH='" + bin.path().string() + "' DISPLAY='" + c.display +
                     "' WAYLAND_DISPLAY= \"$CLI\" stats --station MARST --kind std --open");
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(result.out, c.out) << c.what;
    EXPECT_EQ(result.err, c.err) << c.what;
    EXPECT_EQ(Listing(), std::string(kSixFiles) + "MARST.wrk\nMARST.wxr\n") << c.what;
  }
}

TEST_F(StatsCommandTest, OpenHandsTheChosenFileToTheSpreadsheet) {
  bin_.Write("soffice",
             "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
  std::filesystem::permissions(bin_ / "soffice", std::filesystem::perms::owner_all);
  const auto result = Stats("--station MARST --kind cve --open --dir .", ":0");
  EXPECT_EQ(result.status, 0) << result.err;
  for (int wait = 0; wait < 100 && !bin_.Has("soffice.args"); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(bin_.Read("soffice.args"),
            "--calc\n--infilter=Text - txt - csv (StarCalc):44,34,76,1\n" +
                (folder_ / "MARST.cve").string() + "\n");
}

}  // namespace
}  // namespace kelvaro
