#include <gtest/gtest.h>

#include <cmath>

#include "balance/balance_fixtures.h"
#include "balance/eto_etc_aw.h"
#include "session/reporter.h"
#include "support/golden.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

// Two years (2003, and 2004 with 366 days): ETo from about 1 mm in winter to 8 mm in summer,
// winter rains every few days, one missing rain and one day without ETo.
std::vector<WeatherDay> TwoYears() {
  return testing::MakeYears(2003, 2, [](WeatherDay& d) {
    const float angle = 2.0f * 3.14159265f * static_cast<float>(d.doy - 15) / 365.0f;
    d.eto = std::round((4.5f - 3.5f * std::cos(angle)) * 100.0f) / 100.0f;
    const bool wet_season = d.month <= 3 || d.month >= 11;
    d.pcp = (wet_season && d.doy % 6 == 0) ? static_cast<float>(4 + d.doy % 17) : 0.0f;
    if (d.month == 7 && d.day == 4) d.pcp = 22.0f;  // a summer storm
    if (d.year == 2003 && d.doy == 40) d.pcp = -999.0f;
    if (d.year == 2004 && d.doy == 200) d.eto = -999.0f;
  });
}

std::vector<CropRow> ThreeCrops() {
  CropRow corn = testing::MakeCrop(1, "Corn(grain)", 121, 273);
  corn.code = "SA00012C1.13121273MNMks1.0000IF10Y";
  corn.max_soil_depth_mm = 1524.0f;
  corn.max_root_depth_mm = 2000.0f;
  corn.available_water = 0.125f;
  corn.plant_available_water_mm = 190.5f;
  corn.yield_threshold_mm = 95.25f;
  corn.wetting_frequency_days = 10;
  corn.stage_pct = {17, 45, 78};
  corn.kc = {0.0f, 1.15f, 0.6f};
  corn.pre_irrigated = "Y";

  CropRow grain = testing::MakeCrop(2, "Grain(winter)", 305, 151);
  grain.code = "SA00012C2.04305151MNMks1.0000IF0N";
  grain.wetting_frequency_days = 0;
  grain.stage_pct = {20, 45, 80};
  grain.kc = {0.3f, 1.15f, 0.25f};

  CropRow vine = testing::MakeCrop(4, "Grapes", 90, 300);
  vine.code = "SA00012C4.0390300IYMks1.0000IF30N";
  vine.ground_cover_pct = {20, 45, 70, 70};
  vine.cover_crop_doy = {300, 360, 10, 80};
  vine.stage_pct = {10, 40, 75};
  vine.kc = {0.3f, 0.85f, 0.45f};
  return {corn, grain, vine};
}

const char* const kResultFiles[] = {
    "SA00012C001.CSV", "SA00012C001.EAW",         "SA00012C001.mtv",        "SA00012C002.CSV",
    "SA00012C002.EAW", "SA00012C002.mtv",         "SA00012C003.CSV",        "SA00012C003.EAW",
    "SA00012C003.mtv", "SumofETAWforSA00012.saw", "SumofETcforSA00012.set",
};

TEST(BalanceGolden, TwoYearsThreeCropsMatchTheReviewedFiles) {
  TestFolder folder;
  folder.Write("GOLDN.wrk", testing::WorkingFileText(TwoYears()));
  folder.Write("SA00012.CSV", testing::CropFileText(ThreeCrops()));
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RunParameters run;
  run.Station = "GOLDN";
  run.SA = "12";
  EToETcAW(run, session);
  ASSERT_TRUE(reporter.boxes().empty());

  for (const char* name : kResultFiles) {
    testing::ExpectMatchesGolden(folder.Read(name), std::string("balance/two_years/") + name);
  }
}

// A failing comparison names the first line that differs, with a stray '\r' or a missing line
// end spelled out.
TEST(GoldenComparison, NamesTheFirstDifferingLine) {
  struct Case {
    const char* expected;
    const char* actual;
    const char* difference;
  };
  const Case cases[] = {
      {"a\nb\n", "a\nb\n", ""},
      {"a\nb\nc\n", "a\nB\nc\n", "first difference in line 2\n  expected: 'b'\n  actual:   'B'"},
      {"a\nb\n", "a\nb\r\n", "first difference in line 2\n  expected: 'b'\n  actual:   'b\\r'"},
      {"a\n", "a\nb\n", "first difference in line 2\n  expected: (end of file)\n  actual:   'b'"},
      {"a\nb", "a\nb\n",
       "first difference in line 2\n  expected: 'b' (no line end)\n  actual:   'b'"},
      {"ab\n", "\tb\n", "first difference in line 1\n  expected: 'ab'\n  actual:   '\\x09b'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(testing::FirstDifferingLine(c.expected, c.actual), c.difference) << c.actual;
  }
}

}  // namespace
}  // namespace kelvaro
