#include "weatherio/physical_bounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/monthly_means_file.h"

namespace kelvaro {
namespace {

constexpr const char* kDay =
    "2004,   1,   1,   1,   19.30,   30.10,   14.00,    2.60,    7.50,"
    "    0.00,    3.20";
constexpr const char* kMonth =
    "    1,   11.10,   19.30,    3.40,    2.00,    1.70,   21.70,    "
    "3.60, -999.00,    2.10";

// The line with column `column` (0 = the first) replaced by `text`.
std::string WithColumn(const char* line, int columns, size_t column, const std::string& text) {
  auto fields = SplitFieldsFromRight(line, columns);
  fields[column] = text;
  std::string joined = fields[0];
  for (size_t i = 1; i < fields.size(); ++i) joined += "," + fields[i];
  return joined;
}

std::string DayError(size_t column, const std::string& text) {
  try {
    ParseWeatherDay(WithColumn(kDay, 11, column, text), true);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

struct Bound {
  size_t column;
  const char* lowest;
  const char* below;
  const char* highest;
  const char* above;
  const char* message_above;
};

TEST(PhysicalBounds, EveryDailyColumnTakesItsBoundsAndTheMissingValue) {
  const Bound bounds[] = {
      {4, "0", "-0.5", "60", "60.01", "Solar 60.01 is outside 0..60 MJ/m^2"},
      {5, "-90", "-90.5", "70", "1e30", "TMax 1e+30 is outside -90..70 oC"},
      {6, "-90", "-91", "70", "71", "TMin 71 is outside -90..70 oC"},
      {7, "0", "-1", "100", "100.5", "Wind 100.5 is outside 0..100 m/s"},
      {8, "-90", "-95", "70", "80", "Td 80 is outside -90..70 oC"},
      {9, "0", "-0.01", "2000", "2500", "Pcp 2500 is outside 0..2000 mm"},
      {10, "-10", "-11", "40", "45", "ETo 45 is outside -10..40 mm"},
  };
  for (const Bound& b : bounds) {
    EXPECT_EQ(DayError(b.column, b.lowest), "") << b.message_above;
    EXPECT_EQ(DayError(b.column, b.highest), "") << b.message_above;
    EXPECT_EQ(DayError(b.column, "-999"), "") << b.message_above;
    EXPECT_NE(DayError(b.column, b.below), "") << b.message_above;
    EXPECT_EQ(DayError(b.column, b.above), b.message_above);
  }
}

TEST(PhysicalBounds, CalendarColumnsAndYears) {
  EXPECT_EQ(DayError(0, "9999"), "Year 9999 is outside 1..9998");
  EXPECT_EQ(DayError(0, "-2147483648"), "Year -2147483648 is outside 1..9998");
  EXPECT_EQ(DayError(0, "   1"), "");
  EXPECT_EQ(DayError(0, "1989.5"), "Year '1989.5' is not a valid integer value");
  EXPECT_EQ(DayError(1, "13"), "Mon 13 is outside 1..12");
  EXPECT_EQ(DayError(2, "0"), "Day 0 is outside 1..31");
  EXPECT_EQ(DayError(3, "367"), "DOY 367 is outside 1..366");
  EXPECT_EQ(DayError(4, "19.3x"), "Solar '19.3x' is not a valid floating point value");
  EXPECT_EQ(DayError(4, "19,3"),
            "the line has 12 fields where 11 are expected (a decimal comma, or an extra column?)");
}

TEST(PhysicalBounds, DailyFileIsReadInCalendarOrder) {
  const std::string header = "STATN\nnames\nunits\n";
  const auto read = [&](const std::vector<std::string>& rows) -> std::string {
    std::string text = header;
    for (const auto& row : rows) text += row + "\n";
    try {
      ParseWeatherDays(TextFile{"STATN.day", SplitLines(text)}, true);
    } catch (const InputError& error) {
      return error.what();
    }
    return "";
  };
  const std::string day1 = kDay;
  const std::string day2 = WithColumn(WithColumn(kDay, 11, 2, "2").c_str(), 11, 3, "2");
  EXPECT_EQ(read({day1, day2}), "");
  EXPECT_EQ(read({day2, day1}), "STATN.day, line 5: day 1 of 2004 comes after day 2");
  EXPECT_EQ(read({day1, WithColumn(kDay, 11, 0, "2003")}),
            "STATN.day, line 5: years out of order: 2003 comes after 2004");
  EXPECT_EQ(read({day1, WithColumn(kDay, 11, 0, "2006")}),
            "STATN.day, line 5: year 2005 is missing");
}

std::string MonthlyError(size_t month, size_t column, const std::string& text) {
  std::string contents = "STATN\nnames\nunits\n";
  for (size_t m = 1; m <= 12; ++m) {
    contents += (m == month ? WithColumn(kMonth, 10, column, text) : std::string(kMonth)) + "\n";
  }
  try {
    ReadMonthlyMeans(TextFile{"STATN.etm", SplitLines(contents)}, MonthlyColumns::kWithEto);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

TEST(PhysicalBounds, MonthlyTablesNameFileLineMonthAndColumn) {
  EXPECT_EQ(MonthlyError(2, 1, "1e30"),
            "STATN.etm, line 5 (month 2): Solar 1e+30 is outside 0..60 MJ/m^2");
  EXPECT_EQ(MonthlyError(3, 1, "1e39"),
            "STATN.etm, line 6 (month 3): Solar '1e39' is not a valid floating point value");
  EXPECT_EQ(MonthlyError(7, 6, "10000"), "");
  EXPECT_EQ(MonthlyError(7, 6, "10001"),
            "STATN.etm, line 10 (month 7): Pcp 10001 is outside 0..10000 mm");
  EXPECT_EQ(MonthlyError(12, 7, "32"),
            "STATN.etm, line 15 (month 12): NRD 32 is outside 0..31 days");
  EXPECT_EQ(MonthlyError(1, 8, "41"), "STATN.etm, line 4 (month 1): Pan 41 is outside 0..40 mm");
  EXPECT_EQ(MonthlyError(1, 9, "-999"), "");
}

}  // namespace
}  // namespace kelvaro
