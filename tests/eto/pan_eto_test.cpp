#include "eto/pan_eto.h"

#include <gtest/gtest.h>

#include "eto/pan_coefficient.h"
#include "session/reporter.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

using testing::BadInput;
using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;

RunParameters Station(const std::string& fetch) {
  RunParameters run = testing::StationRun("STATN", "dpn");
  run.FetchVal = fetch;
  return run;
}

class PanEToTest : public ::testing::Test {
 protected:
  void CopyInput(const std::string& name) const {
    folder_.Write(name, ReadBytes(testing::GoldenInputPath("pan_eto/" + name)));
  }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST(PanCoefficient, GrowsWithTheFetch) {
  EXPECT_FLOAT_EQ(PanCoefficient(1.0f), 0.78f);
  EXPECT_NEAR(PanCoefficient(100.0f), 0.9961f, 5e-5f);
  EXPECT_NEAR(PanCoefficient(1000.0f), 1.0389f, 5e-5f);
}

TEST(PanToETo, RisesToNineMillimetresAndStaysThere) {
  const float kp = PanCoefficient(100.0f);
  const std::pair<float, const char*> cases[] = {{5.0f, "    4.04"},  {10.0f, "    7.22"},
                                                 {16.8f, "    9.00"}, {0.0f, "    0.00"},
                                                 {25.0f, "    9.00"}, {60.0f, "    9.00"}};
  for (const auto& [pan, printed] : cases) {
    EXPECT_EQ(Printf("%8.2f", PanToETo(pan, kp, kShortPi)), printed) << pan;
  }
  // E Kp = 16.8 mm exactly is the ceiling; the sine would give 6.5 mm at 25 mm.
  EXPECT_EQ(PanToETo(16.8f, 1.0f, kShortPi), 9.0f);
  EXPECT_EQ(PanToETo(25.0f, 1.0f, kShortPi), 9.0f);
  EXPECT_LT(PanToETo(16.7f, 1.0f, kShortPi), 9.0f);
}

TEST_F(PanEToTest, DailyPanGivesTheWorkingFile) {
  CopyInput("STATN.dpn");
  DPNETo(Station("100"), session_);
  EXPECT_TRUE(reporter_.boxes().empty());
  const std::string wrk = folder_.Read("STATN.wrk");
  ExpectMatchesGolden(wrk, "pan_eto/STATN.wrk");
  // A day without EPan keeps its rain; the unknown weather is written without decimals.
  EXPECT_NE(wrk.find(" 2004,   3,   2,  62,    -999,    -999,    -999,    -999,    -999,"
                     "    7.25, -999.00\n"),
            std::string::npos);
  EXPECT_EQ(session_.global_pi, kShortPi);
}

TEST_F(PanEToTest, OnlyTheFirstFiveCharactersOfTheFetchCount) {
  CopyInput("STATN.dpn");
  DPNETo(Station("100.00007"), session_);
  ExpectMatchesGolden(folder_.Read("STATN.wrk"), "pan_eto/STATN.wrk");
}

TEST_F(PanEToTest, MonthlyPanGivesTheEpmTable) {
  CopyInput("STATN.mpn");
  PanETo(Station("100"), session_);
  EXPECT_TRUE(reporter_.boxes().empty());
  ExpectMatchesGolden(folder_.Read("STATN.epm"), "pan_eto/STATN.epm");
  EXPECT_EQ(session_.global_pi, kShortPi);
}

TEST_F(PanEToTest, FetchOfZeroOrLessIsRefusedBeforeAnythingIsWritten) {
  CopyInput("STATN.dpn");
  CopyInput("STATN.mpn");
  for (const char* fetch : {"0", "-5", "0.0"}) {
    EXPECT_THROW(DPNETo(Station(fetch), session_), InputError) << fetch;
    EXPECT_THROW(PanETo(Station(fetch), session_), InputError) << fetch;
  }
  try {
    DPNETo(Station(" -5"), session_);
  } catch (const InputError& error) {
    EXPECT_STREQ(error.what(), "The fetch should be larger than 0 meters (entered: -5)");
  }
  EXPECT_THROW(DPNETo(Station("far"), session_), ConversionError);
  EXPECT_EQ(folder_.Listing(), "STATN.dpn\nSTATN.mpn\n");
  EXPECT_EQ(session_.global_pi, kStartPi);
}

TEST_F(PanEToTest, MissingInputIsReportedAndNothingWritten) {
  DPNETo(Station("100"), session_);
  PanETo(Station("100"), session_);
  EXPECT_EQ(reporter_.boxes(), (Lines{"Couldn't find STATN.dpn.", "Couldn't find STATN.mpn."}));
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(PanEToTest, LineEndsAndByteOrderMarkDoNotChangeTheResult) {
  folder_.Write("STATN.dpn",
                testing::AsWindowsText(ReadBytes(testing::GoldenInputPath("pan_eto/STATN.dpn"))));
  folder_.Write("STATN.mpn",
                testing::AsWindowsText(ReadBytes(testing::GoldenInputPath("pan_eto/STATN.mpn"))));
  DPNETo(Station("100"), session_);
  PanETo(Station("100"), session_);
  ExpectMatchesGolden(folder_.Read("STATN.wrk"), "pan_eto/STATN.wrk");
  ExpectMatchesGolden(folder_.Read("STATN.epm"), "pan_eto/STATN.epm");
}

const std::string kDailyHeader = "STATN.dpn,33.07,361\n Year, Mon, Day, DOY, Pcp, EPan\n #\n";

TEST(DPNETo, BadInputIsRefusedWithFileAndLineAndWritesNothing) {
  const std::string good = " 2004,   2,  27,  58,    0.00,    5.00\n";
  testing::ExpectEachRefused(
      "STATN.dpn",
      {
          {"empty file", "", "STATN.dpn holds no days after its three header lines"},
          {"header only", kDailyHeader, "STATN.dpn holds no days after its three header lines"},
          {"non-numeric field", kDailyHeader + good + " 2004,   2,  2x,  59,    0.00,    5.30\n",
           "STATN.dpn, line 5: Day '2x' is not a valid integer value"},
          {"EPan not a number", kDailyHeader + good + " 2004,   2,  28,  59,    0.00,    5.3mm\n",
           "STATN.dpn, line 5: EPan '5.3mm' is not a valid floating point value"},
          {"too few fields", kDailyHeader + " 2004,   2,  28,  59,    0.00\n",
           "STATN.dpn, line 4: expected 6 fields, found 5"},
          {"month 13", kDailyHeader + " 2004,  13,  28,  59,    0.00,    5.00\n",
           "STATN.dpn, line 4: Mon 13 is outside 1..12"},
          {"day of year 0", kDailyHeader + " 2004,   1,   1,   0,    0.00,    5.00\n",
           "STATN.dpn, line 4: DOY 0 is outside 1..366"},
          // Once ETo 9.00 without a word.
          {"pan 1e30", kDailyHeader + good + " 2004,   2,  28,  59,    0.00,    1e30\n",
           "STATN.dpn, line 5: EPan 1e+30 is outside 0..40 mm"},
          {"pan -500", kDailyHeader + " 2004,   2,  27,  58,    0.00,    -500\n",
           "STATN.dpn, line 4: EPan -500 is outside 0..40 mm"},
          {"rain 2500", kDailyHeader + " 2004,   2,  27,  58,    2500,    5.00\n",
           "STATN.dpn, line 4: Pcp 2500 is outside 0..2000 mm"},
          {"year 0", kDailyHeader + "    0,   2,  27,  58,    0.00,    5.00\n",
           "STATN.dpn, line 4: Year 0 is outside 1..9998"},
          {"days out of order", kDailyHeader + good + good,
           "STATN.dpn, line 5: day 58 of 2004 comes after day 58"},
          {"decimal comma", kDailyHeader + " 2004,   2,  27,  58,    0,50,    5.00\n",
           "STATN.dpn, line 4 has 7 fields where 6 are expected (a decimal comma, or an extra "
           "column?)"},
      },
      [](Session& session) { DPNETo(Station("100"), session); });
}

TEST(PanETo, TableOfOtherThanTwelveMonthsIsRefused) {
  const std::string table = ReadBytes(testing::GoldenInputPath("pan_eto/STATN.mpn"));
  const std::string eleven = table.substr(0, table.rfind("   12,"));
  testing::ExpectEachRefused(
      "STATN.mpn",
      {
          {"eleven months", eleven,
           "STATN.mpn holds 11 monthly rows; twelve are needed, one per month."},
          {"thirteen months", table + "   13,1,1,1,1,1,1,1,1,1\n",
           "STATN.mpn holds 13 monthly rows; twelve are needed, one per month."},
          {"ETo column missing",
           eleven +
               "   12,   10.97,   18.73,    2.13,    1.36,    0.17,   16.79,    3.83,    2.10\n",
           "STATN.mpn, line 15 (month 12): expected 10 fields, found 9"},
      },
      [](Session& session) { PanETo(Station("100"), session); });
}

}  // namespace
}  // namespace kelvaro
