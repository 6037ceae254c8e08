#include "generator/generate_weather2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "generator_run.h"
#include "support/example_conversions.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

using testing::BundledMeans;
using testing::GeneratorRun;
using Rows = std::vector<std::vector<std::string>>;

constexpr int kHeader = 3;  // station line, column names, units of the daily files
constexpr int kStatisticsHeader = 2;
constexpr size_t kPcp = 9;
constexpr size_t kEto = 10;
constexpr std::array<float, 12> kMaricopaEto{2.08f, 2.86f, 4.45f, 6.34f, 7.63f, 8.69f,
                                             8.32f, 7.33f, 6.22f, 4.52f, 2.86f, 1.91f};

// Maricopa's monthly means with the ETo of each month, as MARIC.etm.
struct RainAndEtoRun : GeneratorRun {
  explicit RainAndEtoRun(const std::string& table = testing::EtoTableOf(BundledMeans(),
                                                                        kMaricopaEto)) {
    folder.Write("MARIC.etm", table);
  }
  void Run(const std::string& years) { Simulate(&GenerateWeather2, "etm", years); }
};

// Mean over the years of each month's mean daily value of a column of the daily rows.
std::array<double, 12> MonthlyMeanOfDays(const Rows& days, size_t column) {
  std::map<std::pair<int, int>, std::pair<double, int>> sums;
  for (const auto& row : days) {
    auto& [sum, count] = sums[{ParseInt(row[0]), ParseInt(row[1])}];
    sum += ParseFloat(row[column]);
    ++count;
  }
  std::array<double, 12> means{};
  std::array<int, 12> years{};
  for (const auto& [key, value] : sums) {
    means[static_cast<size_t>(key.second - 1)] += value.first / value.second;
    ++years[static_cast<size_t>(key.second - 1)];
  }
  for (size_t m = 0; m < 12; ++m) means[m] /= years[m];
  return means;
}

TEST(GenerateWeather2, ThreeYearsFromFreshSessionMatchGoldenFiles) {
  RainAndEtoRun g;
  g.Run("3");
  EXPECT_TRUE(g.reporter.boxes().empty());
  for (const char* ext : {".tmp", ".wrk", ".wxr", ".std", ".cve"}) {
    testing::ExpectMatchesGolden(g.folder.Read(std::string("MARIC") + ext),
                                 std::string("generate_weather2/MARIC") + ext);
  }
}

TEST(GenerateWeather2, WorkingFileHoldsOnlyRainAndEtoWhichReproduceTheInputMonths) {
  RainAndEtoRun g;
  g.Run("10");
  const Rows wrk = g.Rows("MARIC.wrk", kHeader);
  ASSERT_EQ(wrk.size(), 3652u);
  for (const auto& row : wrk) {
    for (size_t column = 4; column <= 8; ++column) ASSERT_EQ(row[column], "-999.00") << row[3];
    ASSERT_GE(ParseFloat(row[kEto]), 0.0f) << row[0] << " " << row[3];
  }
  for (const auto& row : g.Rows("MARIC.tmp", kHeader)) ASSERT_GE(ParseFloat(row[kEto]), 0.0f);
  const auto eto = MonthlyMeanOfDays(wrk, kEto);
  for (size_t m = 0; m < 12; ++m) EXPECT_NEAR(eto[m], kMaricopaEto[m], 0.006) << m + 1;

  // The second .wxr block: the input Pcp, and the input ETo in both temperature slots.
  const Rows input = g.Rows("MARIC.mon", 3);
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  ASSERT_EQ(wxr.size(), 24u);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(wxr[m].size(), 10u);
    EXPECT_EQ(wxr[m][9], wxr[m][3]);  // the ETo column repeats the TMin slot
    EXPECT_EQ(wxr[12 + m].size(), 9u);
    EXPECT_EQ(wxr[12 + m][6], input[m][6]) << m + 1;
    EXPECT_EQ(ParseFloat(wxr[12 + m][2]), kMaricopaEto[m]);
    EXPECT_EQ(ParseFloat(wxr[12 + m][3]), kMaricopaEto[m]);
    EXPECT_EQ(wxr[12 + m][5], "5.80");
  }
}

TEST(GenerateWeather2, StatisticsReportOnlyRainAndRainDays) {
  RainAndEtoRun g;
  g.Run("4");
  for (const char* name : {"MARIC.std", "MARIC.cve"}) {
    for (const auto& row : g.Rows(name, kStatisticsHeader)) {
      ASSERT_EQ(row.size(), 9u);
      for (size_t column = 1; column <= 5; ++column) EXPECT_EQ(row[column], "-999.00") << name;
      EXPECT_NE(row[6], "-999.00");
      EXPECT_EQ(row[8], "-999.00");
    }
  }
}

TEST(GenerateWeather2, SimulatedEtoBelowZeroBecomesZeroBeforeTheMonthsAreFormed) {
  RainAndEtoRun g;
  g.Run("10");
  int zero_days = 0;
  for (const auto& row : g.Rows("MARIC.tmp", kHeader)) zero_days += row[kEto] == "0.00";
  // About one generated day in twenty falls below zero on the Maricopa table.
  EXPECT_GT(zero_days, 100);
  EXPECT_LT(zero_days, 400);
}

// Tables of the met path carry no wind; rain must still follow the rain days of the input.
TEST(GenerateWeather2, RainDaysFollowTheInputWhereTheWindIsMissing) {
  std::string means = BundledMeans();
  for (int month = 1; month <= 12; ++month)
    means = testing::MeansWithField(month, 4, "-999", means);
  RainAndEtoRun g(testing::EtoTableOf(means, kMaricopaEto));
  g.Run("30");
  const Rows input = g.Rows("MARIC.mon", 3);
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  double simulated = 0.0;
  double expected = 0.0;
  for (size_t m = 0; m < 12; ++m) {
    simulated += ParseFloat(wxr[m][7]);
    expected += ParseFloat(input[m][7]);
    EXPECT_EQ(wxr[m][4], "-999.00");
  }
  EXPECT_NEAR(simulated, expected, 0.1 * expected);
}

// ETo tables often carry nothing but ETo and rain: missing radiation stays missing in the
// working units and comes back as the input's -999.
TEST(GenerateWeather2, TableWithOnlyEtoAndRainRuns) {
  std::string means = BundledMeans();
  for (int month = 1; month <= 12; ++month) {
    for (int field : {1, 4, 5}) means = testing::MeansWithField(month, field, "-999", means);
  }
  RainAndEtoRun g(testing::EtoTableOf(means, kMaricopaEto));
  g.Run("3");
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(wxr[12 + m][1], "-999.00") << m + 1;
    EXPECT_EQ(wxr[12 + m][4], "-999.00");
    EXPECT_EQ(ParseFloat(wxr[12 + m][3]), kMaricopaEto[m]);
  }
  const auto eto = MonthlyMeanOfDays(g.Rows("MARIC.wrk", kHeader), kEto);
  for (size_t m = 0; m < 12; ++m) EXPECT_NEAR(eto[m], kMaricopaEto[m], 0.006) << m + 1;
}

TEST(GenerateWeather2, BadTablesAreRefusedNamingTheMonth) {
  const std::string table = testing::EtoTableOf(BundledMeans(), kMaricopaEto);
  std::array<float, 12> without_may = kMaricopaEto;
  without_may[4] = -999.0f;
  std::string short_table = table;
  short_table.erase(short_table.rfind("   12,"));
  testing::ExpectEachRefused(
      "MARIC.etm",
      {{"missing ETo", testing::EtoTableOf(BundledMeans(), without_may),
        "MARIC.etm, month 5: ETo is needed to generate rain and ETo."},
       {"eleven rows", short_table,
        "MARIC.etm holds 11 monthly rows; twelve are needed, one per month."},
       {"without ETo column", BundledMeans(),
        "MARIC.etm, line 4 (month 1): expected 10 fields, found 9"}},
      [](Session& session) { GenerateWeather2(testing::MaricopaRun("etm", "3"), session); });
}

}  // namespace
}  // namespace kelvaro
