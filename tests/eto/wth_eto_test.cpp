#include "eto/wth_eto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "session/reporter.h"
#include "session/session.h"
#include "support/golden.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;

RunParameters Maricopa(const std::string& station, const std::string& ext) {
  RunParameters run;
  run.Station = station;
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.ext = ext;
  return run;
}

class WTHEToTest : public ::testing::Test {
 protected:
  void CopyInput(const std::string& name, const std::string& as) const {
    folder_.Write(as, ReadBytes(testing::GoldenInputPath("eto/" + name)));
  }
  void Run(const RunParameters& run) { WTHETo(run, session_); }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST_F(WTHEToTest, DailyWeatherGivesEtoFileAndIdenticalWorkingFile) {
  CopyInput("MARDY.day", "MARDY.day");
  Run(Maricopa("MARDY", "day"));
  EXPECT_TRUE(reporter_.boxes().empty());
  ExpectMatchesGolden(folder_.Read("MARDY.eto"), "eto/day/MARDY.eto");
  EXPECT_EQ(folder_.Read("MARDY.wrk"), folder_.Read("MARDY.eto"));
  EXPECT_FALSE(folder_.Has("MARDY.cpy"));
}

TEST_F(WTHEToTest, GeneratedWeatherGetsRainReassignedInCopyAndWorkingFile) {
  CopyInput("MARJN.gen", "MARJN.gen");
  Run(Maricopa("MARJN", "gen"));
  ExpectMatchesGolden(folder_.Read("MARJN.eto"), "eto/gen/MARJN.eto");
  ExpectMatchesGolden(folder_.Read("MARJN.cpy"), "eto/gen/MARJN.cpy");
  ExpectMatchesGolden(folder_.Read("MARJN.wrk"), "eto/gen/MARJN.wrk");
}

TEST_F(WTHEToTest, UpperCaseGenTakesTheSamePath) {
  CopyInput("MARJN.gen", "MARJN.GEN");
  Run(Maricopa("MARJN", "GEN"));
  ExpectMatchesGolden(folder_.Read("MARJN.cpy"), "eto/gen/MARJN.cpy");
}

TEST_F(WTHEToTest, OperationsReadTheFirstFiveCharactersOfTheStation) {
  CopyInput("MARDY.day", "MARDY.day");
  Run(Maricopa("MARDYLONGNAME", "day"));
  EXPECT_TRUE(folder_.Has("MARDY.wrk"));
}

TEST_F(WTHEToTest, MissingInputIsReportedAndNothingWritten) {
  Run(Maricopa("Davis", "day"));
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find Davis.day."});
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(WTHEToTest, LineEndsAndByteOrderMarkDoNotChangeTheResult) {
  const std::string lf = ReadBytes(testing::GoldenInputPath("eto/MARDY.day"));
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  folder_.Write("MARDY.day", "\xEF\xBB\xBF" + crlf);
  Run(Maricopa("MARDY", "day"));
  ExpectMatchesGolden(folder_.Read("MARDY.eto"), "eto/day/MARDY.eto");
}

TEST_F(WTHEToTest, LongLineStaysOneRecord) {
  const std::string padding(300, ' ');
  folder_.Write("LONGL.day",
                " LONGL,33.07, 361\nheader\nunits\n 2004,   1,   1,   1,    8.25,   19.20,    6.60,"
                "    1.11,    7.50," +
                    padding + "0.00\n");
  Run(Maricopa("LONGL", "day"));
  const std::string eto = folder_.Read("LONGL.eto");
  EXPECT_EQ(std::count(eto.begin(), eto.end(), '\n'), 4);
}

struct BadInput {
  const char* what;
  std::string contents;
  std::string message;
};

TEST_F(WTHEToTest, BadInputIsRefusedWithFileAndLineAndWritesNothing) {
  const std::string header = " BADIN,33.07, 361\nheader\nunits\n";
  const std::string good =
      " 2004,   1,   1,   1,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n";
  const BadInput cases[] = {
      {"empty file", "", "BADIN.day holds no daily weather"},
      {"header only", header, "BADIN.day holds no daily weather"},
      {"non-numeric field",
       header + good +
           " 2004,   1,   2,   2,    8.25,   19.2x,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 5: TMax '19.2x' is not a valid floating point value"},
      // Once a result full of nan and -inf, with success.
      {"impossible radiation",
       header + good +
           " 2004,   1,   2,   2,    1e30,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 5: Solar 1e+30 is outside 0..60 MJ/m^2"},
      {"impossible dew point",
       header + " 2004,   1,   1,   1,    8.25,   19.20,    6.60,    1.11,  -120.0,    0.00\n",
       "BADIN.day, line 4: Td -120 is outside -90..70 oC"},
      // Once reported as a line of the working file, which nobody edited.
      {"day out of order", header + good + good,
       "BADIN.day, line 5: day 1 of 2004 comes after day 1"},
      {"year gap",
       header + good +
           " 2006,   1,   2,   2,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 5: year 2005 is missing"},
      {"averages year",
       header + " 9999,   1,   1,   1,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 4: Year 9999 is outside 1..9998"},
      {"month 13",
       header + " 2004,  13,   1,   1,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 4: Mon 13 is outside 1..12"},
      {"too few fields", header + " 2004,   1,   2,   2,    8.25,   19.20\n",
       "BADIN.day, line 4: expected 10 fields, found 6"},
      // Fields are taken from the right: once "Year '2004,   1' is not a valid integer value".
      {"decimal comma",
       header + " 2004,   1,   1,   1,    8,25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 4 has 11 fields where 10 are expected (a decimal comma, or an extra "
       "column?)"},
      {"day 366 of a 365-day year",
       header + " 2003,  12,  31, 366,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 4: DOY 366 in 2003, a year of 365 days (only years divisible by 4 have a "
       "day 366)"},
      {"month not the DOY's",
       header + " 2004,   1,  31,  32,    8.25,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 4: DOY 32 of 2004 is Mon 2, Day 1, not Mon 1, Day 31; correct Mon, Day or "
       "DOY"},
      {"Solar above the top of the atmosphere",
       header + good +
           " 2004,   1,   2,   2,   18.50,   19.20,    6.60,    1.11,    7.50,    0.00\n",
       "BADIN.day, line 5: Solar 18.5 MJ/m^2 is above the day's extraterrestrial radiation, 18.17 "
       "MJ/m^2 on DOY 2 at latitude 33.07; check that Solar is in MJ/m^2 per day and the latitude "
       "is the station's"},
  };
  for (const BadInput& bad : cases) {
    TestFolder folder;
    folder.Write("BADIN.day", bad.contents);
    Session session(folder.path(), reporter_);
    try {
      WTHETo(Maricopa("BADIN", "day"), session);
      ADD_FAILURE() << bad.what << ": accepted";
    } catch (const std::exception& error) {
      EXPECT_EQ(std::string(error.what()), bad.message) << bad.what;
    }
    EXPECT_EQ(folder.Listing(), "BADIN.day\n") << bad.what;
  }
}

TEST_F(WTHEToTest, LowTmaxAndHighDewPointAreCountedAndTheNumbersStay) {
  const std::string header = " BADIN,33.07, 361\nheader\nunits\n";
  const std::string days =
      " 2004,   1,   1,   1,    8.25,    5.00,    6.60,    1.11,    2.50,    0.00\n"
      " 2004,   1,   2,   2,    8.25,   19.20,    6.60,    1.11,   20.00,    0.00\n"
      " 2004,   1,   3,   3,    8.25,    4.00,    6.60,    1.11,    2.50,    0.00\n";
  folder_.Write("BADIN.day", header + days);
  WTHETo(Maricopa("BADIN", "day"), session_);
  EXPECT_EQ(reporter_.warnings(),
            Lines({"BADIN.day: TMax is below TMin on 2 days (the first on line 4, 2004-01-01); "
                   "TMax was taken as TMin",
                   "BADIN.day: Td is above TMax on 1 day (line 5, 2004-01-02); the dew point was "
                   "used as it stands; check the Td column"}));
  // TMax is raised to TMin as it always was.
  const std::string eto = folder_.Read("BADIN.eto");
  const std::string raised = " 2004,   1,   1,   1,    8.25,    6.60,    6.60,    1.11,";
  EXPECT_EQ(eto.substr(eto.find(" 2004,   1,   1,"), raised.size()), raised);
}

// A planted link once led the eto file out of the data folder and then became the result.
TEST_F(WTHEToTest, LinksAndReadOnlyResultsAreNeverWrittenThrough) {
  TestFolder outside;
  outside.Write("precious", "keep me");
  CopyInput("MARDY.day", "MARDY.day");
  std::filesystem::create_symlink(outside / "precious", folder_ / ".MARDY.eto.partial");
  Run(Maricopa("MARDY", "day"));
  EXPECT_EQ(outside.Read("precious"), "keep me");
  EXPECT_FALSE(std::filesystem::is_symlink(folder_ / "MARDY.eto"));
  ExpectMatchesGolden(folder_.Read("MARDY.eto"), "eto/day/MARDY.eto");

  // A working file linked outside is refused, and the eto file beside it is not replaced either.
  folder_.Write("MARDY.eto", "earlier eto");
  std::filesystem::remove(folder_ / "MARDY.wrk");
  std::filesystem::create_symlink(outside / "precious", folder_ / "MARDY.wrk");
  try {
    Run(Maricopa("MARDY", "day"));
    ADD_FAILURE() << "written through the link";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()),
              "MARDY.wrk is a link to " + (outside / "precious").string() +
                  ", outside the data folder; it is not written through.");
  }
  EXPECT_EQ(outside.Read("precious"), "keep me");
  EXPECT_EQ(folder_.Read("MARDY.eto"), "earlier eto");

  std::filesystem::remove(folder_ / "MARDY.wrk");
  folder_.Write("MARDY.wrk", "protected");
  testing::MakeReadOnly(folder_ / "MARDY.wrk");
  EXPECT_THROW(Run(Maricopa("MARDY", "day")), InputError);
  EXPECT_EQ(folder_.Read("MARDY.wrk"), "protected");
  EXPECT_EQ(folder_.Read("MARDY.eto"), "earlier eto");
  EXPECT_EQ(folder_.Listing(), ".MARDY.eto.partial\nMARDY.day\nMARDY.eto\nMARDY.wrk\n");
}

TEST_F(WTHEToTest, StationHoldingAPathIsRefusedBeforeAnyFileIsTouched) {
  for (const std::string& station : Lines{"../x", "a/b", "a\\b", "ab\tc"}) {
    EXPECT_THROW(Run(Maricopa(station, "day")), InputError) << station;
  }
  EXPECT_EQ(folder_.Listing(), "");
}

}  // namespace
}  // namespace kelvaro
