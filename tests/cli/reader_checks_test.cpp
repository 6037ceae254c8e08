#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunCli;
using testing::TestFolder;

std::string In(const TestFolder& folder) { return " --dir '" + folder.path().string() + "'"; }

// Maricopa's record with line `number` (from 1) replaced.
std::string MaricopaWithLine(int number, const std::string& line) {
  std::string text = testing::ReadBytes(testing::ExamplePath("MARIC.day"));
  size_t start = 0;
  for (int i = 1; i < number; ++i) start = text.find('\n', start) + 1;
  return text.replace(start, text.find('\n', start) - start, line);
}

TEST(ReaderChecks, BadLinesEndTheRunNamingFileAndLineAndNothingIsWritten) {
  const std::string dpn_head = "STATN.dpn,33.07,361\nYear,Mon,Day,DOY,Pcp,EPan\n#\n";
  const std::string det_head = "STATN.det,33.07,361\nYear,Mon,Day,DOY,Pcp,ETo\n#\n";
  const std::string station = " --station STATN --lat 33.07 --elev 361 --sa 1";
  struct Case {
    const char* file;
    std::string contents;
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"STATN.dpn", dpn_head + "2004,1,1,1,0,5\n2004,1,2,2,0,1e30\n",
       "run --input dpn --fetch 100" + station,
       "STATN.dpn, line 5: EPan 1e+30 is outside 0..40 mm"},
      {"STATN.det", det_head + "2004,1,1,1,0,1e30\n", "run --input det" + station,
       "STATN.det, line 4: ETo 1e+30 is outside -10..40 mm"},
      {"MARIC.day",
       MaricopaWithLine(
           10, " 2003,   1,   7,   7,   12,48,   17.50,   -0.50,    0.92,   -0.10,    0.00"),
       "run --input day --station MARIC --lat 33.07 --elev 361 --sa 1",
       "MARIC.day, line 10 has 11 fields where 10 are expected (a decimal comma, or an extra "
       "column?)"},
      {"MARIC.day",
       MaricopaWithLine(
           5, " 2003,   1,   2,   2,   38.00,   21.90,    0.40,    1.84,   -2.50,    0.00"),
       "run --input day --station MARIC --lat 33.07 --elev 361 --sa 1",
       "MARIC.day, line 5: Solar 38 MJ/m^2 is above the day's extraterrestrial radiation, 18.17 "
       "MJ/m^2 on DOY 2 at latitude 33.07; check that Solar is in MJ/m^2 per day and the latitude "
       "is the station's"},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    folder.CopyExamples({"SA00001.csv"});
    folder.Write(c.file, c.contents);
    const std::string before = folder.Listing();
    const auto result = RunCli(c.arguments + In(folder));
    EXPECT_EQ(result.status, 1) << c.message;
    EXPECT_EQ(result.err, "kelvaro-cli: " + c.message + "\n");
    EXPECT_EQ(folder.Listing(), before) << c.message;
  }
}

TEST(ReaderChecks, LowTmaxIsToldAfterARunThatSucceeds) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  folder.Write("MARIC.day", MaricopaWithLine(5,
                                             " 2003,   1,   2,   2,   12.68,   -1.00,    0.40,"
                                             "    1.84,   -2.50,    0.00"));
  const auto result = RunCli("run --input day --station MARIC --sa 1 --quiet" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.err.find("Warning: MARIC.day: TMax is below TMin on 1 day (line 5, "
                            "2003-01-02); TMax was taken as TMin\n"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace kelvaro
