#include "eto/rain_reassignment.h"

#include <gtest/gtest.h>

#include <map>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

struct Day {
  int day;
  float pcp;
  float eto;
};

// An eto file of one generated month (or its first `days` days).
TextFile EtoFile(int year, int month, const std::vector<Day>& days) {
  TextFile file{"TESTS.eto", {" TESTS,38.5,18.5", "names", "units"}};
  for (const Day& d : days) {
    file.lines.push_back(Printf("  %d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f", year,
                                month, d.day, d.day, 20.0, 30.0, 10.0, 2.0, 5.0, d.pcp, d.eto));
  }
  return file;
}

// Day -> rain of the re-assigned rows.
std::map<int, float> RainByDay(const std::vector<std::string>& rows) {
  std::map<int, float> rain;
  for (const auto& row : rows) {
    const auto fields = SplitFieldsFromRight(row, 11);
    rain[ParseInt(Trim(fields[2]))] = ParseFloat(fields[9]);
  }
  return rain;
}

std::vector<Day> April(float base_eto) {
  std::vector<Day> days;
  for (int d = 1; d <= 30; ++d) days.push_back({d, 0.0f, base_eto + 0.01f * d});
  return days;
}

TEST(RainReassignment, LowestEtoDayGetsLargestRainAndTotalIsKept) {
  auto days = April(5.0f);
  days[13].eto = 1.0f;  // the 14th is the least thirsty day
  days[0].pcp = 3.0f;
  days[29].pcp = 12.5f;  // the month's largest amount falls on the 30th
  days[9].pcp = 0.5f;
  const auto rain = RainByDay(ReassignRain(EtoFile(2001, 4, days)));
  ASSERT_EQ(rain.size(), 30u);
  EXPECT_FLOAT_EQ(rain.at(14), 12.5f);
  EXPECT_FLOAT_EQ(rain.at(1), 3.0f);  // next lowest ETo: day 1 (5.01)
  EXPECT_FLOAT_EQ(rain.at(2), 0.5f);
  float total = 0.0f;
  for (const auto& [day, amount] : rain) total += amount;
  EXPECT_FLOAT_EQ(total, 16.0f);
}

TEST(RainReassignment, EqualEtoDaysTakeRainInDayOrder) {
  std::vector<Day> days;
  for (int d = 1; d <= 30; ++d) days.push_back({d, d == 5 ? 7.0f : (d == 6 ? 4.0f : 0.0f), 3.0f});
  const auto rain = RainByDay(ReassignRain(EtoFile(2001, 4, days)));
  EXPECT_FLOAT_EQ(rain.at(1), 7.0f);
  EXPECT_FLOAT_EQ(rain.at(2), 4.0f);
}

TEST(RainReassignment, MissingEtoSortsAsThirstiest) {
  auto days = April(2.0f);
  days[0].eto = -999.0f;
  for (auto& d : days) d.pcp = 1.0f;
  days[20].pcp = 0.0f;
  const auto rain = RainByDay(ReassignRain(EtoFile(2001, 4, days)));
  EXPECT_FLOAT_EQ(rain.at(1), 0.0f);
}

TEST(RainReassignment, IncompleteLastMonthIsNotWritten) {
  auto days = April(2.0f);
  days.resize(12);
  EXPECT_TRUE(ReassignRain(EtoFile(2001, 4, days)).empty());
}

TEST(RainReassignment, FebruaryFollowsTheYear) {
  std::vector<Day> days;
  for (int d = 1; d <= 29; ++d) days.push_back({d, 0.0f, 2.0f});
  EXPECT_EQ(ReassignRain(EtoFile(2000, 2, days)).size(), 29u);
  days.resize(28);
  EXPECT_EQ(ReassignRain(EtoFile(1999, 2, days)).size(), 28u);
  EXPECT_TRUE(ReassignRain(EtoFile(1996, 2, days)).empty());
}

TEST(RainReassignment, MonthWithAGapIsRefusedWithItsLine) {
  auto days = April(2.0f);
  days.erase(days.begin() + 4);
  try {
    ReassignRain(EtoFile(2001, 4, days));
    ADD_FAILURE() << "accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()),
              "TESTS.eto, line 32: the days of the month ending here are not 1 to 30 in order");
  }
}

// Day and month were read through a float: a day of 1e10 overflowed the conversion to int, and
// a day of 1.5 was taken as day 1.
TEST(RainReassignment, CalendarColumnsAreWholeNumbersInRange) {
  const std::pair<std::string, std::string> cases[] = {
      {"1e10", "TESTS.eto, line 4: Day '1e10' is not a valid integer value"},
      {"1.5", "TESTS.eto, line 4: Day '1.5' is not a valid integer value"},
      {"40", "TESTS.eto, line 4: Day 40 is outside 1..31"},
  };
  for (const auto& [day, message] : cases) {
    TextFile file = EtoFile(2001, 4, April(2.0f));
    auto fields = SplitFieldsFromRight(file.lines[3], 11);
    fields[2] = day;
    std::string line = fields[0];
    for (size_t i = 1; i < fields.size(); ++i) line += "," + fields[i];
    file.lines[3] = line;
    try {
      ReassignRain(file);
      ADD_FAILURE() << day << " accepted";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
  TextFile month_13 = EtoFile(2001, 13, April(2.0f));
  EXPECT_THROW(ReassignRain(month_13), InputError);
}

}  // namespace
}  // namespace kelvaro
