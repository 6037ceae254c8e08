// What a run of the water balance leaves on disk when it fails, when the crop file was shortened
// and when the crop file holds impossible values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "balance/balance_fixtures.h"
#include "balance/eto_etc_aw.h"
#include "session/reporter.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::CropFileText;
using testing::MakeCrop;
using testing::MakeYears;
using testing::TestFolder;
using Lines = std::vector<std::string>;

class StudyAreaRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("TESTS.wrk", testing::WorkingFileText(MakeYears(2001, 2, [](WeatherDay& d) {
                    d.eto = 4.0f + (d.doy % 7);
                    d.pcp = d.doy % 15 == 0 ? 12.0f : 0.0f;
                  })));
  }

  void Run() {
    RunParameters run;
    run.Station = "TESTS";
    run.SA = "12";
    Session session(folder_.path(), reporter_);
    EToETcAW(run, session);
  }

  // The message of the error the run throws, or "" when it throws none.
  std::string RunError() {
    try {
      Run();
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    return "";
  }

  std::string Snapshot() const { return folder_.Snapshot(); }

  std::vector<CropRow> ThreeCrops() const {
    return {MakeCrop(1, "Corn", 100, 260), MakeCrop(2, "Alfalfa", 1, 365),
            MakeCrop(1, "Tomato", 90, 240)};
  }

  TestFolder folder_;
  RecordingReporter reporter_;
};

// One result that could not be written once left crop 1 new and crops 2 and 3 old.
TEST_F(StudyAreaRun, AFailedRunLeavesEveryPreviousResultAsItWas) {
  folder_.Write("SA00012.CSV", CropFileText(ThreeCrops()));
  Run();
  std::vector<CropRow> changed = ThreeCrops();
  for (CropRow& row : changed) row.allowable_depletion_pct = 40.0f;
  folder_.Write("SA00012.CSV", CropFileText(changed));
  testing::MakeReadOnly(folder_ / "SA00012C002.EAW");
  const std::string before = Snapshot();
  EXPECT_EQ(RunError(), "SA00012C002.EAW is read-only and is left as it is.");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(StudyAreaRun, ResultsOfCropsNoLongerInTheFileAreNamedInAWarning) {
  folder_.Write("SA00012.CSV", CropFileText(ThreeCrops()));
  Run();
  EXPECT_TRUE(reporter_.warnings().empty());
  folder_.Write("SA00012.CSV", CropFileText({ThreeCrops()[0]}));
  Run();
  EXPECT_TRUE(reporter_.boxes().empty());
  EXPECT_EQ(reporter_.warnings(),
            Lines{"These result files belong to crops that SA00012.CSV no longer holds and are not "
                  "current: SA00012C002.CSV, SA00012C002.EAW, SA00012C002.mtv, SA00012C003.CSV, "
                  "SA00012C003.EAW, SA00012C003.mtv"});
}

TEST_F(StudyAreaRun, ACropFileWithoutCropsIsRefused) {
  folder_.Write("SA00012.CSV", CropFileText({}) + "\n  \n");
  EXPECT_EQ(RunError(), "SA00012.CSV holds no crops");
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\nTESTS.wrk\n");
}

TEST_F(StudyAreaRun, HandEditedValuesOutsideTheirMeaningAreRefusedNamingTheRow) {
  struct Case {
    void (*edit)(CropRow&);
    const char* message;
  };
  const Case cases[] = {
      {[](CropRow& r) { r.allowable_depletion_pct = 500.0f; },
       "Allowable depletion should be above 0 and at most 100 %, not 500"},
      {[](CropRow& r) { r.allowable_depletion_pct = 0.0f; },
       "Allowable depletion should be above 0 and at most 100 %, not 0"},
      {[](CropRow& r) { r.ks = 1e30f; }, "Stress factor should be between 0 and 1, not 1e+30"},
      {[](CropRow& r) { r.max_root_depth_mm = 3e38f; },
       "Rooting depth should be between 1 and 10000 mm, not 3e+38"},
      {[](CropRow& r) { r.max_soil_depth_mm = 0.5f; },
       "Maximum soil depth should be between 1 and 10000 mm, not 0.5"},
      {[](CropRow& r) { r.wetting_frequency_days = -5; },
       "Wetting frequency should be at least 0 days, not -5"},
      {[](CropRow& r) { r.area_ha = 0; },
       "Hectares planted should be above 0 and at most 1000000 ha, not 0"},
      {[](CropRow& r) { r.kc[0] = 1e30f; }, "Kc1 should be between 0 and 3, not 1e+30"},
      {[](CropRow& r) { r.ground_cover_pct[2] = 150; },
       "Ground cover on date D should be between 0 and 100 %, not 150"},
      {[](CropRow& r) { r.available_water = 0.0f; },
       "Available water should be above 0 and at most 1 mm/mm, not 0"},
      {[](CropRow& r) { r.yield_threshold_mm = 200.0f; },
       "Yield-threshold depletion should be between 0 and the plant-available water 150 mm, not "
       "200"},
      {[](CropRow& r) {
         r.stage_pct = {50, 40, 80};
       },
       "Percent of season to date C should be between 50 and 100 %, not 40"},
      {[](CropRow& r) {
         r.cover_crop_doy = {305, 46, 0, 0};
       },
       "Cover crop 1 should end after it begins, not run from day 305 to day 46: a period across "
       "the year end is not applied; give the part of each year as its own period (to 12-31, and "
       "from 01-01)"},
      {[](CropRow& r) { r.stress_end_doy = 400; },
       "Stress period should be between 0 and 366 (day of the year), not 400"},
      {[](CropRow& r) { r.pre_irrigated = "maybe"; },
       "Pre-irrigated should be Y or N, not 'maybe'"},
      {[](CropRow& r) { r.name = "Corn, sweet"; },
       "the row has 32 fields where 31 are expected: a crop name or code may not contain a comma"},
  };
  for (const Case& c : cases) {
    std::vector<CropRow> rows = ThreeCrops();
    c.edit(rows[1]);
    folder_.Write("SA00012.CSV", CropFileText(rows));
    EXPECT_EQ(RunError(), std::string("SA00012.CSV, line 5 (crop 2): ") + c.message);
  }
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\nTESTS.wrk\n");
}

// A yield threshold of 1e-30 once overflowed the count of irrigations (a float-to-int
// conversion), giving a negative mid-season threshold.
TEST_F(StudyAreaRun, ATinyYieldThresholdGivesFiniteNonNegativeThresholds) {
  CropRow tiny = MakeCrop(1, "Corn", 100, 260);
  tiny.yield_threshold_mm = 1e-30f;
  // Rounding of the season sums lets this season's scan find its last irrigation.
  const auto days = MakeYears(
      2001, 1, [](WeatherDay& d) { d.eto = 0.4f + 0.37f * static_cast<float>(d.doy % 4); });
  const testing::CropRun run = testing::RunCrop(tiny, days);
  ASSERT_EQ(run.thresholds.last_irrigation_day, 260);
  EXPECT_GE(run.thresholds.mid[1], 0.0f);
  EXPECT_TRUE(std::isfinite(run.thresholds.mid[1]));
  folder_.Write("SA00012.CSV", CropFileText({tiny}));
  Run();
  for (const char* name : {"SA00012C001.CSV", "SA00012C001.EAW", "SA00012C001.mtv",
                           "SumofETAWforSA00012.saw", "SumofETcforSA00012.set"}) {
    const std::string text = folder_.Read(name);
    EXPECT_EQ(text.find("nan"), std::string::npos) << name;
    EXPECT_EQ(text.find("inf"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace kelvaro
