#include "eto/mon_eto.h"

#include <gtest/gtest.h>

#include "session/reporter.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::ExpectMatchesGolden;
using testing::ReadBytes;
using testing::TestFolder;
using Lines = std::vector<std::string>;
using Table = std::vector<std::vector<std::string>>;

RunParameters Station() { return testing::StationRun("STATN", "met"); }

// The twelve monthly rows of a met or etm text, field by field.
Table Rows(const std::string& text) {
  Table rows;
  const auto lines = SplitLines(text);
  for (size_t i = 3; i < lines.size(); ++i) rows.push_back(SplitFieldsFromRight(lines[i], 10));
  return rows;
}

std::string Text(const Table& rows) {
  std::string text = "STATN.met,33.07,361\n Mon, ...\n #, ...\n";
  for (const auto& row : rows) {
    for (size_t f = 0; f < row.size(); ++f) text += (f == 0 ? "" : ",") + row[f];
    text += "\n";
  }
  return text;
}

enum Column { kMon, kSolar, kTMax, kTMin, kWind, kTd, kPcp, kNrd, kPan, kEto };

class MonEToTest : public ::testing::Test {
 protected:
  MonEToTest() : maricopa_(Rows(ReadBytes(testing::GoldenInputPath("mon_eto/STATN.met")))) {}

  // ETo of each month of the table as written, mm per day.
  std::vector<float> Eto(const Table& rows) {
    folder_.Write("STATN.met", Text(rows));
    MonETo(Station(), session_);
    std::vector<float> eto;
    for (const auto& row : Rows(folder_.Read("STATN.etm"))) eto.push_back(ParseFloat(row[kEto]));
    return eto;
  }

  Table maricopa_;
  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
};

TEST_F(MonEToTest, MonthlyMeansGetTheirEtoColumn) {
  folder_.Write("STATN.met", ReadBytes(testing::GoldenInputPath("mon_eto/STATN.met")));
  MonETo(Station(), session_);
  EXPECT_TRUE(reporter_.boxes().empty());
  ExpectMatchesGolden(folder_.Read("STATN.etm"), "mon_eto/STATN.etm");
  EXPECT_EQ(session_.global_pi, kStartPi);
}

TEST_F(MonEToTest, TMaxBelowTMinIsRaisedAndWritten) {
  Table rows = maricopa_;
  rows[6][kTMax] = "20.00";  // July's TMin is 25.47
  const auto etm = Rows((Eto(rows), folder_.Read("STATN.etm")));
  EXPECT_EQ(Trim(etm[6][kTMax]), "25.47");
  EXPECT_EQ(Trim(etm[6][kTMin]), "25.47");
}

TEST_F(MonEToTest, TwelveRowsInFileOrderWithMonAsRead) {
  Table rows = maricopa_;
  for (auto& row : rows) row[kMon] = "7";
  const auto etm = Rows((Eto(rows), folder_.Read("STATN.etm")));
  ASSERT_EQ(etm.size(), 12u);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(Trim(etm[m][kMon]), "7");
    EXPECT_EQ(etm[m][kSolar], rows[m][kSolar]) << m;
  }
}

TEST_F(MonEToTest, SoilHeatComesFromTheNeighboursTakenAroundTheYear) {
  const std::vector<float> base = Eto(maricopa_);
  // A warmer December: January's G = 0.07 (Feb - Dec) falls and its ETo rises; November's
  // G = 0.07 (Dec - Oct) rises and its ETo falls; the months between keep theirs.
  Table warm_december = maricopa_;
  warm_december[11][kTMax] = "22.73";
  warm_december[11][kTMin] = "6.13";
  const std::vector<float> december = Eto(warm_december);
  EXPECT_GT(december[0], base[0]);
  EXPECT_LT(december[10], base[10]);
  // A warmer February lowers January's ETo and raises March's.
  Table warm_february = maricopa_;
  warm_february[1][kTMax] = "25.39";
  warm_february[1][kTMin] = "8.15";
  const std::vector<float> february = Eto(warm_february);
  EXPECT_LT(february[0], base[0]);
  EXPECT_GT(february[2], base[2]);
  for (size_t m = 3; m < 10; ++m) {
    EXPECT_EQ(december[m], base[m]) << m;
    EXPECT_EQ(february[m], base[m]) << m;
  }
  // Between the two, January's G differs by 0.07 (4 + 4) = 0.56 MJ/m^2, which moves its ETo by
  // 0.408 Delta 0.56 / (Delta + gamma (1 + 0.34 u)) = 0.11 mm (Delta 0.088, gamma 0.0646 kPa/oC).
  EXPECT_NEAR(december[0] - february[0], 0.109f, 0.005f);
}

TEST_F(MonEToTest, MonthWithoutAValueItNeedsGetsMissingEtoAndIsNamed) {
  Table rows = maricopa_;
  rows[3][kWind] = "-999";  // April
  rows[8][kTMin] = "-999";  // September, and the G of August and October
  rows[4][kPcp] = "-999";   // rain is not needed
  const std::vector<float> eto = Eto(rows);
  for (size_t m = 0; m < 12; ++m) {
    const bool missing = m == 3 || m == 7 || m == 8 || m == 9;
    EXPECT_EQ(eto[m] == -999.0f, missing) << m;
  }
  EXPECT_EQ(reporter_.boxes(), Lines{"ETo is written as -999 for month(s) 4, 8, 9, 10 of "
                                     "STATN.met: a value it needs is missing (-999)."});
}

TEST_F(MonEToTest, MissingInputIsReportedAndNothingWritten) {
  MonETo(Station(), session_);
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find STATN.met."});
  EXPECT_EQ(folder_.Listing(), "");
}

TEST(MonETo, TableOfOtherThanTwelveMonthsOrBadNumbersIsRefused) {
  const std::string table = ReadBytes(testing::GoldenInputPath("mon_eto/STATN.met"));
  const std::string eleven = table.substr(0, table.rfind("   12,"));
  testing::ExpectEachRefused(
      "STATN.met",
      {
          {"empty file", "", "STATN.met holds 0 monthly rows; twelve are needed, one per month."},
          {"eleven months", eleven,
           "STATN.met holds 11 monthly rows; twelve are needed, one per month."},
          {"thirteen months", table + "   13,1,1,1,1,1,1,1,1,1\n",
           "STATN.met holds 13 monthly rows; twelve are needed, one per month."},
          {"wind not a number",
           eleven + "   12,   10.97,   18.73,    2.13,    1.3x,    0.17,   "
                    "16.79,    3.83, -999.00, -999.00\n",
           "STATN.met, line 15 (month 12): Wind '1.3x' is not a valid floating point value"},
      },
      [](Session& session) { MonETo(Station(), session); });
}

}  // namespace
}  // namespace kelvaro
