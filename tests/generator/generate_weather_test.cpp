#include "generator/generate_weather.h"

#include <gtest/gtest.h>

#include <map>

#include "generator/generator_parameters.h"
#include "generator/random_source.h"
#include "generator_run.h"
#include "support/golden.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

using testing::BundledMeans;
using testing::GeneratorRun;
using testing::MeansWithField;
using Rows = std::vector<std::vector<std::string>>;

constexpr int kDailyHeader = 3;
constexpr int kStatisticsHeader = 3;

float Field(const std::vector<std::string>& row, size_t column) { return ParseFloat(row[column]); }

TEST(GenerateWeather, ThreeYearsFromFreshSessionMatchGoldenFiles) {
  GeneratorRun g;
  g.Generate("3");
  EXPECT_TRUE(g.reporter.boxes().empty());
  for (const char* ext : {".tmp", ".gen", ".wxr", ".std", ".cve"}) {
    testing::ExpectMatchesGolden(g.folder.Read(std::string("MARIC") + ext),
                                 std::string("generator/MARIC") + ext);
  }
}

TEST(GenerateWeather, EveryFourthYearIsLeapInTmpAndGen) {
  GeneratorRun g;
  g.Generate("8");
  for (const char* name : {"MARIC.tmp", "MARIC.gen"}) {
    std::map<int, int> days_per_year;
    bool has_leap_day = false;
    for (const auto& row : g.Rows(name, kDailyHeader)) {
      ++days_per_year[ParseInt(row[0])];
      has_leap_day = has_leap_day || (row[1] == "2" && row[2] == "29" && row[3] == "60");
    }
    const std::map<int, int> expected{{1, 365}, {2, 365}, {3, 365}, {4, 366},
                                      {5, 365}, {6, 365}, {7, 365}, {8, 366}};
    EXPECT_EQ(days_per_year, expected) << name;
    EXPECT_TRUE(has_leap_day) << name;
  }
}

TEST(GenerateWeather, SecondWxrBlockReproducesTheInputMeans) {
  GeneratorRun g;
  g.Generate("5");
  const Rows input = g.Rows("MARIC.mon", 3);
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  ASSERT_EQ(wxr.size(), 24u);
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(wxr[12 + m][0], std::to_string(m + 1));
    for (size_t column = 1; column <= 6; ++column) {  // Solar, TMax, TMin, Wind, Td, Pcp
      EXPECT_EQ(wxr[12 + m][column], input[m][column]) << "month " << m + 1 << " col " << column;
    }
    EXPECT_EQ(wxr[12 + m][7], wxr[m][7]);  // NRD is not rescaled
    EXPECT_EQ(wxr[12 + m][8], "-999.00");
  }
}

TEST(GenerateWeather, MissingTdMonthMakesEveryTdMissing) {
  GeneratorRun g;
  g.WriteMeans(MeansWithField(5, 5, "-999.00"));
  g.Generate("2");
  const Rows tmp = g.Rows("MARIC.tmp", kDailyHeader);
  ASSERT_EQ(tmp.size(), 730u);
  for (const auto& row : tmp) ASSERT_EQ(row[8], "-572.78");
  // Rescaling the constant series brings each month to its input mean, and May back to -999.
  const Rows input = g.Rows("MARIC.mon", 3);
  for (const auto& row : g.Rows("MARIC.gen", kDailyHeader)) {
    ASSERT_EQ(row[8], input[static_cast<size_t>(ParseInt(row[1]) - 1)][5]) << row[3];
  }
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  EXPECT_EQ(wxr[0][5], "-572.78");
  EXPECT_EQ(wxr[16][5], "-999.00");
  EXPECT_EQ(wxr[12][5], "0.61");
  for (const auto& row : g.Rows("MARIC.std", kStatisticsHeader)) EXPECT_EQ(row[5], "0.00");
}

// A constant series deviates by exactly nothing, however many years are summed.
TEST(GenerateWeather, ConstantMissingTdSeriesHasNoDeviationOverManyYears) {
  for (const char* years : {"10", "30", "50"}) {
    GeneratorRun g;
    g.WriteMeans(MeansWithField(5, 5, "-999.00"));
    g.Generate(years);
    for (const auto& row : g.Rows("MARIC.std", kStatisticsHeader)) {
      ASSERT_EQ(row[5], "0.00") << years << " years, month " << row[0];
    }
    for (const auto& row : g.Rows("MARIC.cve", kStatisticsHeader)) {
      ASSERT_EQ(row[5], "-0.00") << years << " years, month " << row[0];
    }
  }
}

TEST(GenerateWeather, MissingWindMonthStaysMissingAndOtherDaysStayCalmOrWindy) {
  GeneratorRun g;
  g.WriteMeans(MeansWithField(3, 4, "-999"));
  g.Generate("4");
  for (const char* name : {"MARIC.tmp", "MARIC.gen"}) {
    for (const auto& row : g.Rows(name, kDailyHeader)) {
      if (row[1] == "3") {
        ASSERT_EQ(row[7], "-999.00") << name;
      } else {
        ASSERT_GE(Field(row, 7), 0.0f) << name << " doy " << row[3];
      }
    }
  }
  EXPECT_EQ(g.Rows("MARIC.wxr", kStatisticsHeader)[14][4], "-999.00");
}

TEST(GenerateWeather, MonthWithoutRainGetsNoRainAndDoesNotStop) {
  // A May wet on almost every day makes wet first days of a June without rain likely.
  GeneratorRun g;
  std::string means = MeansWithField(5, 7, "31");
  means = MeansWithField(6, 6, "0", means);
  g.WriteMeans(MeansWithField(6, 7, "0", means));
  g.Generate("20");
  for (const auto& row : g.Rows("MARIC.gen", kDailyHeader)) {
    if (row[1] == "6") {
      ASSERT_EQ(row[9], "0.00");
    }
  }
  EXPECT_EQ(g.Rows("MARIC.wxr", kStatisticsHeader)[17][6], "0.00");
}

TEST(GenerateWeather, SecondSimulationOfASessionContinuesTheStreamAndANewSessionRepeats) {
  GeneratorRun first;
  first.Generate("2");
  const std::string gen_first = first.folder.Read("MARIC.gen");
  first.Generate("2");
  EXPECT_NE(first.folder.Read("MARIC.gen"), gen_first);

  GeneratorRun fresh;
  fresh.Generate("2");
  EXPECT_EQ(fresh.folder.Read("MARIC.gen"), gen_first);
}

TEST(GenerateWeather, GenWindPassesThroughEachYearsRescaledMonthlyMeanAtMidMonth) {
  GeneratorRun g;
  g.Generate("4");
  const Rows tmp = g.Rows("MARIC.tmp", kDailyHeader);
  const Rows gen = g.Rows("MARIC.gen", kDailyHeader);
  const Rows input = g.Rows("MARIC.mon", 3);
  // Monthly mean winds of each simulated year from the printed daily winds.
  std::map<std::pair<int, int>, std::pair<double, int>> sums;
  for (const auto& row : tmp) {
    auto& [sum, days] = sums[{ParseInt(row[0]), ParseInt(row[1])}];
    sum += Field(row, 7);
    ++days;
  }
  std::array<double, 12> overall{};
  for (const auto& [key, value] : sums) overall[key.second - 1] += value.first / value.second / 4;
  for (const auto& row : gen) {
    const int doy = ParseInt(row[3]);
    const int month = ParseInt(row[1]);
    if (doy != kMidMonthDays[static_cast<size_t>(month - 1)]) continue;
    const auto& [sum, days] = sums[{ParseInt(row[0]), month}];
    const double ratio = Field(input[static_cast<size_t>(month - 1)], 4) / overall[month - 1];
    EXPECT_NEAR(Field(row, 7), sum / days * ratio, 0.01) << "year " << row[0] << " doy " << doy;
  }
}

TEST(GenerateWeather, MissingInputIsReportedAndNothingIsWritten) {
  GeneratorRun g;
  g.run.Station = "DAVIS";
  g.Generate("3");
  EXPECT_EQ(g.reporter.boxes(), std::vector<std::string>{"Couldn't find DAVIS.mon."});
  EXPECT_EQ(g.folder.Listing(), "MARIC.mon\n");
}

struct BadInput {
  const char* what;
  std::string means;
  std::string years;
  std::string message_part;
};

TEST(GenerateWeather, BadInputIsRefusedWithAClearMessageAndNothingIsWritten) {
  std::string eleven_rows = BundledMeans();
  eleven_rows.erase(eleven_rows.rfind("   12,"));
  const std::vector<BadInput> cases{
      {"eleven rows", eleven_rows, "3", "MARIC.mon holds 11 monthly rows; twelve are needed"},
      {"text in a field", MeansWithField(4, 2, "29.7x"), "3",
       "MARIC.mon, line 7 (month 4): TMax '29.7x' is not a valid floating point value"},
      {"negative NRD", MeansWithField(2, 7, "-1"), "3",
       "MARIC.mon, line 5 (month 2): NRD -1 is outside 0..31 days"},
      {"negative Pcp", MeansWithField(9, 6, "-0.5"), "3",
       "MARIC.mon, line 12 (month 9): Pcp -0.5 is outside 0..10000 mm"},
      {"missing Pcp", MeansWithField(3, 6, "-999"), "3", "MARIC.mon, month 3: Pcp and NRD"},
      {"missing TMax", MeansWithField(1, 2, "-999"), "3", "Solar, TMax and TMin are needed"},
      {"nan rain", MeansWithField(1, 6, "nan"), "3",
       "MARIC.mon, line 4 (month 1): Pcp 'nan' is not a valid floating point value"},
      {"infinite TMin", MeansWithField(7, 3, "inf"), "3",
       "MARIC.mon, line 10 (month 7): TMin 'inf' is not a valid floating point value"},
      // Once written as days full of nan and -inf, or reported as "'inf' is not a valid ...".
      {"impossible radiation", MeansWithField(2, 1, "1e30"), "3",
       "MARIC.mon, line 5 (month 2): Solar 1e+30 is outside 0..60 MJ/m^2"},
      {"impossible wind", MeansWithField(11, 4, "250"), "3",
       "MARIC.mon, line 14 (month 11): Wind 250 is outside 0..100 m/s"},
      {"rain per wet day beyond floats", MeansWithField(1, 7, "0", MeansWithField(1, 6, "1e36")),
       "3", "MARIC.mon, line 4 (month 1): Pcp 1e+36 is outside 0..10000 mm"},
      {"gamma scale beyond floats", MeansWithField(2, 7, "1", MeansWithField(2, 6, "3e38")), "3",
       "MARIC.mon, line 5 (month 2): Pcp 3e+38 is outside 0..10000 mm"},
      {"one year", BundledMeans(), "1", "Number of years should be larger than 1"},
      {"no years", BundledMeans(), "0", "Number of years should be larger than 1"},
      {"years not a number", BundledMeans(), "ab", "'ab' is not a valid integer value"},
  };
  for (const BadInput& bad : cases) {
    GeneratorRun g;
    g.WriteMeans(bad.means);
    try {
      g.Generate(bad.years);
      ADD_FAILURE() << bad.what << ": accepted";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(bad.message_part), std::string::npos)
          << bad.what << ": " << error.what();
    }
    EXPECT_EQ(g.folder.Listing(), "MARIC.mon\n") << bad.what;
  }
}

TEST(GeneratorParameters, MonthWithoutRainDaysIsWetOnlyAfterAWetDayWithATinyShape) {
  TwelveMonths means{};
  for (auto& month : means) month = {1, 20.0f, 30.0f, 10.0f, 2.0f, 5.0f, 30.0f, 3.1f, -999.0f};
  means[5].pcp = 0.0f;
  means[5].nrd = 0.0f;
  RainAndWindParameters rain = RainAndWindFromMeans(means);
  EXPECT_EQ(rain.monthly.PWD[5], 0.0f);
  EXPECT_EQ(rain.monthly.PWW[5], 0.25f);
  EXPECT_GT(rain.monthly.ALPHA[5], 0.0f);
  EXPECT_FLOAT_EQ(rain.monthly.PWD[0], 0.75f * 0.1f);
  RandomSeedState seed;
  for (int i = 0; i < 1000; ++i) {
    const float rain_mm =
        GammaRainAmount(seed, 5, rain.monthly.ALPHA, rain.monthly.BETA, rain.monthly.RainFactor);
    ASSERT_GE(rain_mm, 0.0f);
    ASSERT_LT(rain_mm, 1.0f);
  }
}

TEST(GeneratorParameters, TropicalStationFollowsMonthlyRadiation) {
  TwelveMonths means{};
  for (size_t m = 0; m < 12; ++m) {
    means[m] = {static_cast<int>(m + 1),
                15.0f + static_cast<float>(m),
                30.0f,
                20.0f,
                2.0f,
                15.0f,
                100.0f,
                10.0f,
                -999.0f};
  }
  const RainAndWindParameters rain = RainAndWindFromMeans(means);
  const DailyGeneratorParameters tropical = DailyParametersFromMeans(means, rain, -10.0f);
  EXPECT_FLOAT_EQ(tropical.solar_dry_mean[14], 15.0f * 23.884f);
  EXPECT_FLOAT_EQ(tropical.solar_wet_mean[349], 26.0f * 23.884f);
  const DailyGeneratorParameters temperate = DailyParametersFromMeans(means, rain, 38.5f);
  EXPECT_GT(temperate.solar_dry_mean[14], temperate.solar_wet_mean[14]);
  EXPECT_GT(temperate.RsoMax[171], temperate.RsoMax[354]);  // June above December
}

}  // namespace
}  // namespace kelvaro
