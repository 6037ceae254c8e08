#include "generator/simulated_eto_hargres.h"

#include <gtest/gtest.h>

#include "eto/hargreaves_samani.h"
#include "generator/simulation_recipe.h"
#include "generator/units.h"
#include "generator_run.h"
#include "support/example_conversions.h"
#include "support/golden.h"
#include "support/refusal.h"
#include "weatherio/calendar.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

using testing::BundledMeans;
using testing::GeneratorRun;
using testing::MeansWithField;
using Rows = std::vector<std::vector<std::string>>;

constexpr int kHeader = 3;
constexpr int kStatisticsHeader = 2;
constexpr float kLatitudeRad = 33.07f * 3.1415f / 180.0f;

// A temperature table (mtm) made from the given monthly means.
struct TemperatureRun : GeneratorRun {
  explicit TemperatureRun(const std::string& means = BundledMeans()) {
    folder.Write("MARIC.mtm", testing::TemperatureTableOf(means));
  }
  void Run(const std::string& years) { Simulate(&SimulatedEToHargres, "mtm", years); }
};

TEST(SimulatedEToHargres, ThreeYearsFromFreshSessionMatchGoldenFiles) {
  TemperatureRun g;
  g.Run("3");
  EXPECT_TRUE(g.reporter.boxes().empty());
  EXPECT_EQ(g.session.global_pi, kShortPi);
  for (const char* ext : {".tmp", ".wrk", ".wxr", ".std", ".cve"}) {
    testing::ExpectMatchesGolden(g.folder.Read(std::string("MARIC") + ext),
                                 std::string("simulated_eto_hargres/MARIC") + ext);
  }
}

TEST(SimulatedEToHargres, DailyEtoTakesTheDayIndexNotTheDayOfYear) {
  SimulatedYear year;
  year.tmax.fill(ToFahrenheit(30.0f));
  year.tmin.fill(ToFahrenheit(12.0f));
  SimulationRecipe recipe;
  recipe.daily_eto = DailyEto::kHargreaves;
  const EtoSite site{kLatitudeRad, kShortPi};
  const auto eto = [&](size_t index) { return DayInOutputUnits(year, index, recipe, site)[kEto]; };
  const auto hargreaves = [](int j) {
    return HargreavesSamani(j, 30.0f, 12.0f, kLatitudeRad, kShortPi, NegativeEt::kZero);
  };
  EXPECT_EQ(eto(0), hargreaves(0));  // 1 January
  EXPECT_NE(eto(0), hargreaves(1));
  EXPECT_EQ(eto(364), hargreaves(364));  // 31 December of a 365-day year
  EXPECT_NE(eto(364), hargreaves(365));
}

TEST(SimulatedEToHargres, InputEtoEntersTheRescalingUnchangedAndMissingEtoIsFilled) {
  std::array<float, 12> eto{};
  eto.fill(-999.0f);
  eto[2] = 3.33f;
  eto[7] = 0.0f;
  GeneratorRun g;
  g.folder.Write("MARIC.etm", testing::EtoTableOf(BundledMeans(), eto));
  g.Simulate(&SimulatedEToHargres, "etm", "4");
  const Rows input = g.Rows("MARIC.mon", 3);
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  ASSERT_EQ(wxr.size(), 24u);
  EXPECT_EQ(wxr[12 + 2][9], "3.33");
  EXPECT_EQ(wxr[12 + 7][9], "0.00");
  for (size_t m : {size_t{0}, size_t{5}, size_t{11}}) {
    const float filled =
        HargreavesSamani(kMidMonthDays[m], ParseFloat(input[m][2]), ParseFloat(input[m][3]),
                         kLatitudeRad, kShortPi, NegativeEt::kZero);
    EXPECT_EQ(wxr[12 + m][9], Printf("%.2f", filled)) << m + 1;
  }
  for (size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(wxr[12 + m][2], input[m][2]);  // TMax, TMin and Pcp rescaled to the input
    EXPECT_EQ(wxr[12 + m][3], input[m][3]);
    EXPECT_EQ(wxr[12 + m][6], input[m][6]);
    for (size_t column : {1, 4, 5, 8}) EXPECT_EQ(wxr[m][column], "-999.00");
  }
  for (const auto& row : g.Rows("MARIC.wrk", kHeader)) {
    if (row[1] == "8") {
      ASSERT_EQ(row[10], "0.00");
    }
    for (size_t column : {4, 7, 8}) ASSERT_EQ(row[column], "-999.00");
    ASSERT_GE(ParseFloat(row[5]), ParseFloat(row[6]));
  }
}

TEST(SimulatedEToHargres, MonthWithoutRainGetsTinyAmountsAndDoesNotStop) {
  std::string means = MeansWithField(5, 7, "31");
  means = MeansWithField(6, 6, "0", means);
  TemperatureRun g(MeansWithField(6, 7, "0", means));
  g.Run("20");
  for (const auto& row : g.Rows("MARIC.tmp", kHeader)) {
    if (row[1] == "6") {
      ASSERT_LT(ParseFloat(row[9]), 0.005f);
    }
  }
  for (const auto& row : g.Rows("MARIC.wrk", kHeader)) {
    if (row[1] == "6") {
      ASSERT_EQ(row[9], "0.00");
    }
  }
}

TEST(SimulatedEToHargres, TmaxBelowTminIsRaisedSoTheMonthHasNoTemperatureRange) {
  TemperatureRun g(MeansWithField(3, 2, "5.00"));  // March TMax 5 below its TMin 7.63
  g.Run("3");
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  EXPECT_EQ(wxr[12 + 2][9], "0.00");
  EXPECT_EQ(wxr[12 + 2][2], "7.63");
}

TEST(SimulatedEToHargres, RainDaysFollowTheInputWithoutWind) {
  TemperatureRun g;
  g.Run("30");
  const Rows input = g.Rows("MARIC.mon", 3);
  const Rows wxr = g.Rows("MARIC.wxr", kStatisticsHeader);
  double simulated = 0.0;
  double expected = 0.0;
  for (size_t m = 0; m < 12; ++m) {
    simulated += ParseFloat(wxr[m][7]);
    expected += ParseFloat(input[m][7]);
  }
  EXPECT_NEAR(simulated, expected, 0.1 * expected);
}

std::string WithTextInTmax(std::string table) {
  return table.replace(table.find("19.72"), 5, "19x72");
}

TEST(SimulatedEToHargres, TablesWithoutTemperaturesOrRainAreRefusedNamingTheMonth) {
  testing::ExpectEachRefused(
      "MARIC.mtm",
      {{"missing TMax", testing::TemperatureTableOf(MeansWithField(4, 2, "-999")),
        "MARIC.mtm, month 4: TMax and TMin are needed to simulate temperatures and ETo."},
       {"missing TMin", testing::TemperatureTableOf(MeansWithField(12, 3, "-999")),
        "MARIC.mtm, month 12: TMax and TMin are needed to simulate temperatures and ETo."},
       {"missing Pcp", testing::TemperatureTableOf(MeansWithField(2, 6, "-999")),
        "MARIC.mtm, month 2: Pcp and NRD must be 0 or more (a missing value is not allowed)."},
       {"text", WithTextInTmax(testing::TemperatureTableOf(BundledMeans())),
        "MARIC.mtm, line 4 (month 1): TMax '19x72' is not a valid floating point value"}},
      [](Session& session) { SimulatedEToHargres(testing::MaricopaRun("mtm", "3"), session); });
}

}  // namespace
}  // namespace kelvaro
