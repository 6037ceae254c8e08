// The irrigations the water balance records, checked against the daily balance it writes.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "balance/balance_fixtures.h"
#include "balance/eto_etc_aw.h"
#include "balance/irrigation_event_files.h"
#include "session/reporter.h"
#include "support/test_folder.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::MakeCrop;
using testing::TestFolder;

// Values as printed: three decimals in the daily file, two in the irrigation files.
constexpr float kDailyPrinted = 0.0011f;
constexpr float kDepthPrinted = 0.0081f;  // a depth to 0.01 against daily values to 0.001

std::vector<CropRow> Crops() {
  CropRow corn = MakeCrop(1, "Corn(grain)", 121, 273);
  corn.pre_irrigated = "Y";
  corn.wetting_frequency_days = 10;
  corn.stage_pct = {17, 45, 78};
  corn.kc = {0.0f, 1.15f, 0.6f};
  CropRow alfalfa = MakeCrop(2, "Alfalfa(annual)", 1, 365);
  alfalfa.stage_pct = {0, 0, 100};
  CropRow grain = MakeCrop(2, "Grain(winter)", 305, 151);  // a season across the year's end
  grain.kc = {0.3f, 1.15f, 0.25f};
  grain.pre_irrigated = "Y";
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  orchard.ground_cover_pct = {0, 50, 60, 0};
  orchard.cover_crop_doy = {310, 360, 5, 50};
  CropRow vine = MakeCrop(4, "Grapes", 90, 300);
  vine.ground_cover_pct = {20, 45, 70, 70};
  return {corn, alfalfa, grain, orchard, vine};
}

struct DailyRow {
  int year = 0;
  int doy = 0;
  float ikc = 0.0f;
  float etc = 0.0f;
  float pcp = 0.0f;
  float swd = 0.0f;
  float swdx = 0.0f;
};

struct EventRow {
  int crop = 0;
  int year = 0;
  int doy = 0;
  std::string kind;
  float depth_mm = 0.0f;
};

struct SummaryRow {
  int crop = 0;
  int year = 0;
  float count = 0.0f;
  float depth_mm = 0.0f;
  float mean_mm = 0.0f;
  float pre_irrigation_mm = 0.0f;
};

std::vector<std::vector<std::string>> DataFields(const TestFolder& folder, const std::string& name,
                                                 int columns) {
  const auto file = ReadTextFile(folder / name);
  EXPECT_TRUE(file.has_value()) << name;
  std::vector<std::vector<std::string>> rows;
  if (!file) return rows;
  for (size_t i = 3; i < file->lines.size(); ++i) {
    rows.push_back(SplitFieldsFromRight(file->lines[i], columns));
  }
  return rows;
}

std::vector<DailyRow> DailyRows(const TestFolder& folder, int crop) {
  std::vector<DailyRow> rows;
  const std::string name = "SA00003C00" + std::to_string(crop) + ".CSV";
  for (const auto& f : DataFields(folder, name, 15)) {
    rows.push_back({ParseInt(f[0]), ParseInt(f[1]), ParseFloat(f[3]), ParseFloat(f[7]),
                    ParseFloat(f[8]), ParseFloat(f[9]), ParseFloat(f[10])});
  }
  return rows;
}

std::vector<EventRow> EventRows(const TestFolder& folder) {
  std::vector<EventRow> rows;
  for (const auto& f : DataFields(folder, "IrrigationEventsforSA00003.ire", 6)) {
    rows.push_back({ParseInt(f[0]), ParseInt(f[2]), ParseInt(f[3]), std::string(Trim(f[4])),
                    ParseFloat(f[5])});
  }
  return rows;
}

std::vector<SummaryRow> SummaryRows(const TestFolder& folder) {
  std::vector<SummaryRow> rows;
  for (const auto& f : DataFields(folder, "IrrigationsforSA00003.irs", 7)) {
    rows.push_back({ParseInt(f[0]), ParseInt(f[2]), ParseFloat(f[3]), ParseFloat(f[4]),
                    ParseFloat(f[5]), ParseFloat(f[6])});
  }
  return rows;
}

// Maricopa's measured days through five crops of every class, two of them pre-irrigated.
class IrrigationEvents : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TestFolder;
    folder_->Write("MARIC.wrk", testing::WorkingFileFromStation("MARIC.day"));
    folder_->Write("SA00003.CSV", testing::CropFileText(Crops()));
    RecordingReporter reporter;
    Session session(folder_->path(), reporter);
    RunParameters run;
    run.Station = "MARIC";
    run.SA = "3";
    EToETcAW(run, session);
    ASSERT_TRUE(reporter.boxes().empty());
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  static std::vector<EventRow> EventsOf(int crop) {
    std::vector<EventRow> events;
    for (const EventRow& event : EventRows(*folder_)) {
      if (event.crop == crop) events.push_back(event);
    }
    return events;
  }

  static TestFolder* folder_;
};

TestFolder* IrrigationEvents::folder_ = nullptr;

TEST_F(IrrigationEvents, EachIrrigationRefillsTheDepletionThatReachedTheDaysThreshold) {
  for (int crop = 1; crop <= 5; ++crop) {
    const auto days = DailyRows(*folder_, crop);
    std::map<std::pair<int, int>, size_t> index;
    for (size_t i = 0; i < days.size(); ++i) index[{days[i].year, days[i].doy}] = i;
    const auto events = EventsOf(crop);
    ASSERT_FALSE(events.empty()) << crop;
    for (size_t e = 0; e < events.size(); ++e) {
      const EventRow& event = events[e];
      SCOPED_TRACE("crop " + std::to_string(crop) + ", " + std::to_string(event.year) + " day " +
                   std::to_string(event.doy));
      const size_t i = index.at({event.year, event.doy});
      ASSERT_GT(i, 0u);
      const DailyRow& day = days[i];
      EXPECT_NE(day.ikc, 0.0f) << "an event outside the season";
      if (event.kind == kPreIrrigationText) {
        EXPECT_EQ(event.doy, Crops()[static_cast<size_t>(crop - 1)].planting_doy);
        EXPECT_NEAR(event.depth_mm, days[i - 1].swd, kDepthPrinted);
        continue;
      }
      ASSERT_EQ(event.kind, kIrrigationText);
      const bool after_pre_irrigation = e > 0 && events[e - 1].kind == kPreIrrigationText &&
                                        events[e - 1].year == event.year &&
                                        events[e - 1].doy == event.doy;
      const float before = after_pre_irrigation ? 0.0f : days[i - 1].swd;
      EXPECT_GE(before + day.etc, day.swdx - 2 * kDailyPrinted);
      EXPECT_NEAR(event.depth_mm, before + day.etc, kDepthPrinted);
      EXPECT_EQ(day.swd, 0.0f);
    }
  }
}

// A dry day that reached its threshold and ended without depletion was an irrigation.
TEST_F(IrrigationEvents, NoDryDayThatReachedItsThresholdIsLeftOut) {
  for (int crop = 1; crop <= 5; ++crop) {
    const auto days = DailyRows(*folder_, crop);
    std::map<std::pair<int, int>, int> irrigations;
    for (const EventRow& event : EventsOf(crop)) {
      if (event.kind == kIrrigationText) ++irrigations[{event.year, event.doy}];
    }
    int checked = 0;
    for (size_t i = 1; i < days.size(); ++i) {
      const DailyRow& day = days[i];
      if (day.ikc == 0.0f || day.pcp != 0.0f || day.etc <= 0.0f || day.swd != 0.0f) continue;
      if (days[i - 1].swd + day.etc < day.swdx + 2 * kDailyPrinted) continue;
      ++checked;
      EXPECT_EQ((irrigations[{day.year, day.doy}]), 1)
          << "crop " << crop << ", " << day.year << " day " << day.doy;
    }
    EXPECT_GT(checked, 0) << crop;
  }
}

TEST_F(IrrigationEvents, PreIrrigationIsRecordedOnceASeasonForPreIrrigatedCropsOnly) {
  for (int crop = 1; crop <= 5; ++crop) {
    const bool pre_irrigated = Crops()[static_cast<size_t>(crop - 1)].pre_irrigated == "Y";
    std::map<int, int> per_year;
    for (const EventRow& event : EventsOf(crop)) {
      if (event.kind == kPreIrrigationText) ++per_year[event.year];
    }
    const auto days = DailyRows(*folder_, crop);
    const int first_year = days.front().year;
    const int last_year = days.back().year;
    for (int year = first_year; year <= last_year; ++year) {
      EXPECT_EQ(per_year[year], pre_irrigated ? 1 : 0) << "crop " << crop << ", " << year;
    }
  }
}

TEST_F(IrrigationEvents, YearRowsCountAndSumTheEventsAndTheLastRowAveragesThem) {
  const auto events = EventRows(*folder_);
  std::map<std::pair<int, int>, SummaryRow> expected;
  for (const EventRow& event : events) {
    SummaryRow& row = expected[{event.crop, event.year}];
    if (event.kind == kPreIrrigationText) {
      row.pre_irrigation_mm += event.depth_mm;
    } else {
      row.count += 1.0f;
      row.depth_mm += event.depth_mm;
    }
  }
  std::map<int, SummaryRow> totals;
  std::map<int, int> years;
  for (const SummaryRow& row : SummaryRows(*folder_)) {
    SCOPED_TRACE("crop " + std::to_string(row.crop) + ", " + std::to_string(row.year));
    if (row.year == kIrrigationAverageYear) {
      const SummaryRow& total = totals[row.crop];
      const float n = static_cast<float>(years[row.crop]);
      EXPECT_EQ(n, 18.0f);  // 2003..2020
      EXPECT_NEAR(row.count, total.count / n, 0.005f);
      EXPECT_NEAR(row.depth_mm, total.depth_mm / n, 0.01f);
      EXPECT_NEAR(row.mean_mm, total.depth_mm / total.count, 0.01f);
      EXPECT_NEAR(row.pre_irrigation_mm, total.pre_irrigation_mm / n, 0.01f);
      continue;
    }
    const SummaryRow& want = expected[{row.crop, row.year}];
    EXPECT_EQ(row.count, want.count);
    EXPECT_NEAR(row.depth_mm, want.depth_mm, 0.005f * (want.count + 1.0f));
    if (want.count == 0.0f) {
      EXPECT_EQ(row.mean_mm, -999.0f);
    } else {
      EXPECT_NEAR(row.mean_mm, row.depth_mm / row.count, 0.01f);
    }
    EXPECT_NEAR(row.pre_irrigation_mm, want.pre_irrigation_mm, 0.005f);
    SummaryRow& total = totals[row.crop];
    total.count += row.count;
    total.depth_mm += row.depth_mm;
    total.pre_irrigation_mm += row.pre_irrigation_mm;
    ++years[row.crop];
  }
  EXPECT_EQ(totals.size(), 5u);
}

TEST_F(IrrigationEvents, TheFilesNameTheCropsInCropFileOrder) {
  const auto file = ReadTextFile(*folder_ / "IrrigationsforSA00003.irs");
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->lines[0], " Irrigations of study area 00003,Number of years= 18");
  EXPECT_EQ(file->lines[1], "Crop#,Crop,Year,Irrigations,Depth,Mean depth,Pre-Irr");
  EXPECT_EQ(file->lines[3].substr(0, 22), "   1,Corn(grain),2003,");
  int last_crop = 0;
  for (const EventRow& event : EventRows(*folder_)) {
    EXPECT_GE(event.crop, last_crop);
    last_crop = event.crop;
  }
  EXPECT_EQ(last_crop, 5);
}

// 5 mm of ETc a day over days 100..240 with a threshold of 595/15 mm until day 233 and 40 mm
// after it. The bare soil comes to planting at its 22.5 mm limit and reaches the threshold on day
// 103 (42.5 mm), then every 8 days (40 mm); on day 239 the 40 mm reach the last threshold and the
// refill closes the season. Pre-irrigation refills the 22.5 mm on day 100 and shifts the
// irrigations to days 107, 115, ... 235.
TEST(IrrigationEventRecord, ADrySeasonIrrigatesAtEveryThresholdAndPreIrrigatesOnPlantingDay) {
  CropRow crop = MakeCrop(2, "Field crop", 100, 240);
  crop.yield_threshold_mm = 40.0f;
  const auto days = testing::MakeYears(2001, 1, [](WeatherDay& d) {
    d.eto = 5.0f;
    d.pcp = 0.0f;
  });
  const auto plain = testing::RunCrop(crop, days).sums.irrigations;
  crop.pre_irrigated = "Y";
  const auto pre = testing::RunCrop(crop, days).sums.irrigations;

  ASSERT_EQ(plain.size(), 18u);
  for (size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(plain[i].kind, IrrigationKind::kIrrigation);
    EXPECT_EQ(plain[i].year_index, 1);
    EXPECT_EQ(plain[i].doy, 103 + 8 * static_cast<int>(i));
    EXPECT_FLOAT_EQ(plain[i].depth_mm, i == 0 ? 42.5f : 40.0f);
  }
  ASSERT_EQ(pre.size(), 18u);
  EXPECT_EQ(pre[0].kind, IrrigationKind::kPreIrrigation);
  EXPECT_EQ(pre[0].doy, 100);
  EXPECT_FLOAT_EQ(pre[0].depth_mm, 22.5f);
  EXPECT_EQ(pre[1].doy, 107);
  EXPECT_EQ(pre.back().doy, 235);

  const auto years = IrrigationsByYear(pre, 1);
  EXPECT_EQ(years[1].count, 17);
  EXPECT_FLOAT_EQ(years[1].depth_mm, 17 * 40.0f);
  EXPECT_FLOAT_EQ(years[1].pre_irrigation_mm, 22.5f);
}

}  // namespace
}  // namespace kelvaro
