#include "weatherio/working_daily_file.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

constexpr const char* kHeader =
    " DAVIS,38.5,  18\r\n"
    "  Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\r\n"
    "     #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\r\n";

// A day of `year`, Mon and Day those of the DOY where it has them.
std::string Line(int year, int doy, const char* pcp = "    0.00", const char* eto = "    3.20") {
  const MonthAndDay date =
      doy >= 1 && doy <= 366 ? MonthAndDayOfYear(doy, year) : MonthAndDay{1, 1};
  return std::to_string(year) + "," + std::to_string(date.month) + "," + std::to_string(date.day) +
         "," + std::to_string(doy) + ",   19.30,   30.10,   14.00,    2.60,    7.50," + pcp + "," +
         eto + "\r\n";
}

// The message of the error reading throws, or "" when reading succeeds.
std::string ReadError(const std::string& body) {
  TestFolder folder;
  folder.Write("DAVIS.wrk", kHeader + body);
  try {
    ReadWorkingDailyFile(folder / "DAVIS.wrk");
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

TEST(WorkingDailyFile, ReadsElevenColumnsAfterThreeLines) {
  TestFolder folder;
  folder.Write("DAVIS.wrk", std::string("\xEF\xBB\xBF") + kHeader + Line(2003, 365) + "\r\n" +
                                Line(2004, 1, " -999.00", "  4.5 "));
  const auto file = ReadWorkingDailyFile(folder / "DAVIS.wrk");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->days.size(), 2u);
  EXPECT_EQ(file->days[0].year, 2003);
  EXPECT_EQ(file->days[0].doy, 365);
  EXPECT_FLOAT_EQ(file->days[0].td, 7.5f);
  EXPECT_EQ(file->days[1].pcp, -999.0f);
  EXPECT_FLOAT_EQ(file->days[1].eto, 4.5f);
  EXPECT_FALSE(ReadWorkingDailyFile(folder / "OTHER.wrk"));
}

TEST(WorkingDailyFile, MalformedLinesAreRefusedWithFileAndLine) {
  EXPECT_EQ(ReadError(Line(2003, 1) + "2003,    1,   2,   2,   19.30\n"),
            "DAVIS.wrk, line 5: expected 11 fields, found 5");
  EXPECT_EQ(ReadError(Line(2003, 1, "    abc ")),
            "DAVIS.wrk, line 4: Pcp 'abc' is not a valid floating point value");
  EXPECT_EQ(ReadError(Line(2003, 0)), "DAVIS.wrk, line 4: DOY 0 is outside 1..366");
  EXPECT_EQ(ReadError(Line(2003, 1) + Line(2003, 367)),
            "DAVIS.wrk, line 5: DOY 367 is outside 1..366");
}

TEST(WorkingDailyFile, NanAndInfinityAreNotNumbers) {
  // The number conversion reads them; one in the rain or ETo column would make every later
  // balance result of a crop nan.
  EXPECT_EQ(ReadError(Line(2003, 1) + Line(2003, 2, "     nan")),
            "DAVIS.wrk, line 5: Pcp 'nan' is not a valid floating point value");
  EXPECT_EQ(ReadError(Line(2003, 1, "    0.00", "     inf")),
            "DAVIS.wrk, line 4: ETo 'inf' is not a valid floating point value");
  std::string solar = Line(2003, 1);
  solar.replace(solar.find("   19.30"), 8, "    -INF");
  EXPECT_EQ(ReadError(solar),
            "DAVIS.wrk, line 4: Solar '-INF' is not a valid floating point value");
}

TEST(WorkingDailyFile, DaysAndYearsMustFollowOneAnother) {
  EXPECT_EQ(ReadError(Line(2004, 1) + Line(2003, 2)),
            "DAVIS.wrk, line 5: years out of order: 2003 comes after 2004");
  EXPECT_EQ(ReadError(Line(2003, 5) + Line(2003, 5)),
            "DAVIS.wrk, line 5: day 5 of 2003 comes after day 5");
  EXPECT_EQ(ReadError(Line(2003, 365) + Line(2006, 1)),
            "DAVIS.wrk, line 5: years 2004 to 2005 are missing");
  EXPECT_EQ(ReadError(Line(2003, 365) + Line(2004, 1) + Line(2004, 2)), "");
}

TEST(WorkingDailyFile, ImpossibleYearsAndValuesAreRefused) {
  // Year 9999 would give an annual row that reads as the averages row; the lowest int once
  // overflowed the year arithmetic.
  EXPECT_EQ(ReadError(Line(9999, 1)), "DAVIS.wrk, line 4: Year 9999 is outside 1..9998");
  EXPECT_EQ(ReadError(Line(0, 1)), "DAVIS.wrk, line 4: Year 0 is outside 1..9998");
  EXPECT_EQ(ReadError("-2147483648" + Line(1, 1).substr(1)),
            "DAVIS.wrk, line 4: Year -2147483648 is outside 1..9998");
  EXPECT_EQ(ReadError(Line(9998, 365)), "");
  EXPECT_EQ(ReadError(Line(2003, 1) + Line(2003, 2, "    0.00", "   1e30")),
            "DAVIS.wrk, line 5: ETo 1e+30 is outside -10..40 mm");
  EXPECT_EQ(ReadError(Line(2003, 1, "   -0.01")),
            "DAVIS.wrk, line 4: Pcp -0.01 is outside 0..2000 mm");
  // Penman-Monteith's small negative values on dewy days are results the program writes itself.
  EXPECT_EQ(ReadError(Line(2003, 1, "    0.00", "   -0.20")), "");
}

}  // namespace
}  // namespace kelvaro
