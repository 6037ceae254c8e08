#include "eto/eto_covertion.h"

#include <gtest/gtest.h>

#include "session/reporter.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;

RunParameters Station() { return testing::StationRun("STATN", "det"); }

class EToCovertionTest : public ::testing::Test {
 protected:
  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST_F(EToCovertionTest, DailyEtoBecomesTheWorkingFileAsRead) {
  folder_.Write("STATN.det", ReadBytes(testing::GoldenInputPath("eto_covertion/STATN.det")));
  EToCovertion(Station(), session_);
  EXPECT_TRUE(reporter_.boxes().empty());
  const std::string wrk = folder_.Read("STATN.wrk");
  ExpectMatchesGolden(wrk, "eto_covertion/STATN.wrk");
  EXPECT_NE(wrk.find(" 2000,   1,   1,   1,    -999,    -999,    -999,    -999,    -999,"
                     "    0.00, -999.00\n"),
            std::string::npos);
  // The water balance reads it as it reads every working file.
  const auto read = ReadWorkingDailyFile(folder_ / "STATN.wrk");
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->days.size(), 5u);
  EXPECT_EQ(read->days[1].pcp, 25.4f);
  EXPECT_EQ(read->days[4].eto, 12.35f);
  EXPECT_EQ(session_.global_pi, kStartPi);
}

TEST_F(EToCovertionTest, LineEndsAndByteOrderMarkDoNotChangeTheResult) {
  folder_.Write("STATN.det", testing::AsWindowsText(
                                 ReadBytes(testing::GoldenInputPath("eto_covertion/STATN.det"))));
  EToCovertion(Station(), session_);
  ExpectMatchesGolden(folder_.Read("STATN.wrk"), "eto_covertion/STATN.wrk");
}

TEST_F(EToCovertionTest, MissingInputIsReportedAndNothingWritten) {
  EToCovertion(Station(), session_);
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find STATN.det."});
  EXPECT_EQ(folder_.Listing(), "");
}

TEST(EToCovertion, BadInputIsRefusedWithFileAndLineAndWritesNothing) {
  const std::string header = "STATN.det,33.07,361\n Year, Mon, Day, DOY, Pcp, ETo\n #\n";
  testing::ExpectEachRefused(
      "STATN.det",
      {
          {"empty file", "", "STATN.det holds no days after its three header lines"},
          {"header only", header, "STATN.det holds no days after its three header lines"},
          {"ETo not a number", header + " 2000,   1,   1,   1,    0.00,    n/a\n",
           "STATN.det, line 4: ETo 'n/a' is not a valid floating point value"},
          {"too few fields", header + " 2000,   1,   1,   1,    0.00\n",
           "STATN.det, line 4: expected 6 fields, found 5"},
          {"day 32", header + " 2000,   1,  32,  32,    0.00,    1.00\n",
           "STATN.det, line 4: Day 32 is outside 1..31"},
          // Once written into the working file and refused only there.
          {"ETo 1e30", header + " 2000,   1,   1,   1,    0.00,    1e30\n",
           "STATN.det, line 4: ETo 1e+30 is outside -10..40 mm"},
          {"ETo -500", header + " 2000,   1,   1,   1,    0.00,    -500\n",
           "STATN.det, line 4: ETo -500 is outside -10..40 mm"},
          {"year gap",
           header +
               " 2000,   1,   1,   1,    0.00,    1.00\n 2002,   1,   1,   1,    0.00,    1.00\n",
           "STATN.det, line 5: year 2001 is missing"},
      },
      [](Session& session) { EToCovertion(Station(), session); });
}

}  // namespace
}  // namespace kelvaro
