#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "balance/balance_fixtures.h"
#include "balance/eto_etc_aw.h"
#include "session/reporter.h"
#include "support/test_folder.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::MakeCrop;
using testing::TestFolder;

// Values are compared as printed: two decimals in the annual, monthly and summary files.
constexpr float kPrinted2 = 0.0151f;  // a sum or difference of values rounded to 0.01
constexpr float kPrinted3 = 0.0011f;

std::vector<CropRow> StudyAreaCrops() {
  CropRow corn = MakeCrop(1, "Corn(grain)", 121, 273);
  corn.pre_irrigated = "Y";
  corn.wetting_frequency_days = 10;
  corn.stage_pct = {17, 45, 78};
  corn.kc = {0.0f, 1.15f, 0.6f};
  CropRow alfalfa = MakeCrop(2, "Alfalfa(annual)", 1, 365);
  alfalfa.stage_pct = {0, 0, 100};
  CropRow grain = MakeCrop(2, "Grain(winter)", 305, 151);
  grain.kc = {0.3f, 1.15f, 0.25f};
  CropRow orchard = MakeCrop(3, "Orchard", 60, 300);
  orchard.ground_cover_pct = {0, 50, 60, 0};
  orchard.cover_crop_doy = {310, 360, 5, 50};
  orchard.ks = 0.7f;
  orchard.stress_begin_doy = 200;
  orchard.stress_end_doy = 230;
  CropRow vine = MakeCrop(4, "Grapes", 90, 300);
  vine.ground_cover_pct = {20, 45, 70, 70};
  vine.yield_threshold_mm = 0.0f;
  return {corn, alfalfa, grain, orchard, vine};
}

std::vector<std::vector<float>> Rows(const TestFolder& folder, const std::string& name,
                                     size_t first_column = 0) {
  const auto file = ReadTextFile(folder / name);
  std::vector<std::vector<float>> rows;
  for (size_t i = 3; i < file->lines.size(); ++i) {
    std::vector<float> values;
    std::string_view line = file->lines[i];
    for (size_t column = 0; !line.empty(); ++column) {
      const auto comma = line.find(',');
      if (column >= first_column) values.push_back(ParseFloat(line.substr(0, comma)));
      line = comma == std::string_view::npos ? "" : line.substr(comma + 1);
    }
    rows.push_back(values);
  }
  return rows;
}

class RealStationBalance : public ::testing::TestWithParam<const char*> {};

TEST_P(RealStationBalance, ResultsKeepTheirInvariants) {
  TestFolder folder;
  const std::string stem = std::string(GetParam()).substr(0, 5);
  folder.Write(stem + ".wrk", testing::WorkingFileFromStation(GetParam()));
  const auto crops = StudyAreaCrops();
  folder.Write("SA00003.CSV", testing::CropFileText(crops));
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RunParameters run;
  run.Station = stem;
  run.SA = "3";
  EToETcAW(run, session);
  ASSERT_TRUE(reporter.boxes().empty());

  const auto saw = Rows(folder, "SumofETAWforSA00003.saw", 2);
  ASSERT_EQ(saw.size(), crops.size());
  for (size_t k = 1; k <= crops.size(); ++k) {
    const std::string stem_k = "SA00003C00" + std::to_string(k);
    SCOPED_TRACE(stem_k);
    const auto days = Rows(folder, stem_k + ".CSV");
    ASSERT_GT(days.size(), 18u * 365);
    for (const auto& day : days) {
      // SWD within [0, SWDx]; SWC and YTD follow from FC.
      ASSERT_GE(day[9], 0.0f) << day[0] << " " << day[1];
      ASSERT_LE(day[9], day[10] + kPrinted3) << day[0] << " " << day[1];
      ASSERT_NEAR(day[13], day[11] - day[9], kPrinted3);
    }
    const auto years = Rows(folder, stem_k + ".EAW");
    EXPECT_GT(years.back()[4], 300.0f);  // the 9999 row: a crop uses hundreds of mm a year
    for (const auto& year : years) {
      EXPECT_NEAR(year[3], year[1] - year[2], kPrinted2) << year[0];  // ETAW = CETc - CEr
      EXPECT_NEAR(year[4], year[1] + year[7], kPrinted2) << year[0];  // ACETc = CETc + OCETc
      EXPECT_NEAR(year[5], year[2] + year[8], kPrinted2) << year[0];  // ACEr = CEr + OCEr
    }
    float month_sum = 0.0f;
    for (const auto& month : Rows(folder, stem_k + ".mtv")) {
      EXPECT_GE(month[5], 0.0f) << month[0];
      EXPECT_LE(month[4], month[3] + kPrinted2) << month[0];  // effective rain <= rain
      month_sum += month[5];
    }
    const auto& row = saw[k - 1];
    float saw_sum = 0.0f;
    for (size_t m = 0; m < 12; ++m) saw_sum += row[m];
    EXPECT_NEAR(row[12], saw_sum, 12 * 0.005f + 0.001f);
    EXPECT_NEAR(row[12], month_sum, 12 * 0.005f + 0.001f);
  }
}

INSTANTIATE_TEST_SUITE_P(Stations, RealStationBalance,
                         ::testing::Values("MARIC.day", "MOHAV.day", "DEBIL.day"));

}  // namespace
}  // namespace kelvaro
