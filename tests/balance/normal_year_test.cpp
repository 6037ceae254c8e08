#include "balance/normal_year.h"

#include <gtest/gtest.h>

#include "balance/balance_fixtures.h"
#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::TestFolder;
using Lines = std::vector<std::string>;

constexpr const char* kDailyHeader =
    "Year, DOY,OKc,IKc,CCKc,ETo,Kc,ETc,Pcp,SWD,SWDx,FC,PWP,SWC,YTD\n"
    "   #,   #,   ,   ,    , mm,  , mm, mm, mm,  mm,  mm,  mm,  mm,  mm\n";

// A daily balance file of the years 2001..2010 (2004 and 2008 with day 366) whose columns are
// simple functions of year and day, so that every sum is known.
std::string TenYearDailyFile() {
  std::string text = " Grapes,SA00012C4.0390300IYMks1.0000IF30N\n";
  text += kDailyHeader;
  for (int year = 2001; year <= 2010; ++year) {
    for (int doy = 1; doy <= DaysInYear(year); ++doy) {
      const float y = static_cast<float>(year - 2000);
      text += Printf(
          "%4d,%4d,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%7.3f,%7.3f,%7.3f,"
          "%7.3f,%7.3f\n",
          year, doy, 0.1f * y, 0.5f, 0.0f, y, 1.0f, 2.0f * y, doy % 7 == 0 ? y : 0.0f, 0.0f, 0.0f,
          0.0f, 0.0f, 0.0f, 0.0f);
    }
  }
  return text;
}

TEST(NormalYear, EveryMeanIsTheTenYearSumOverTen) {
  TestFolder folder;
  folder.Write("SA00012C001.CSV", TenYearDailyFile());
  const auto means = ReadCropDailyMeans(folder / "SA00012C001.CSV");
  ASSERT_TRUE(means);
  EXPECT_EQ(means->crop_name, "Grapes");
  EXPECT_EQ(means->crop_code, "SA00012C4.0390300IYMks1.0000IF30N");
  EXPECT_EQ(means->year_count, 10);
  // Years 1..10 sum to 55.
  EXPECT_FLOAT_EQ(means->days[1].eto, 5.5f);
  EXPECT_FLOAT_EQ(means->days[1].okc, 0.55f);
  EXPECT_FLOAT_EQ(means->days[200].etc, 11.0f);
  EXPECT_FLOAT_EQ(means->days[7].pcp, 5.5f);
  EXPECT_FLOAT_EQ(means->days[8].pcp, 0.0f);
  // Day 366 only in 2004 and 2008: (4 + 8) / 10.
  EXPECT_FLOAT_EQ(means->days[366].eto, 1.2f);
  EXPECT_FLOAT_EQ(means->days[366].ikc, 0.1f);
}

TEST(NormalYear, Day366IsPrintedFourTimesOver) {
  TestFolder folder;
  folder.Write("SA00012C001.CSV", TenYearDailyFile());
  const auto means = ReadCropDailyMeans(folder / "SA00012C001.CSV");
  CropRow row = testing::MakeCrop(4, "Grapes", 90, 300);
  RecordingReporter reporter;
  const NormalYear year = ComputeNormalYear(*means, row, reporter);
  const std::string text = NormalYearText(year, "SA00012C001");
  const Lines lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 369u);
  EXPECT_EQ(lines[0], " Grapes, Daily Mean Values of SA00012C001,Number of years=10");
  // Day 366: OKc (0.4 + 0.8) / 10, IKc 0.1, CCKc 0, ETo 1.2, Kc, ETc 2.4, Pcp 0 (366 % 7 = 2), all
  // times four; the balance columns as computed.
  const NormalYearDay& d = year.days[366];
  EXPECT_EQ(lines[368], Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,"
                               "%8.2f,%8.2f,%8.2f",
                               366, 0.48f, 0.4f, 0.0f, 4.8f, 4.0f * d.kc, 9.6f, 0.0f, d.swd, d.swdx,
                               d.fc, d.pwp, d.swc, d.ytd));
  // Kc of classes 3 and 4: the larger of mean OKc and IKc (0.5) plus CCKc, capped at 1.15.
  EXPECT_FLOAT_EQ(year.days[10].kc, 0.55f);
  EXPECT_FLOAT_EQ(year.days[366].kc, 0.12f);
}

TEST(NormalYear, LayoutLinesAreTheFilesOwn) {
  NormalYear year;
  year.crop_name = "Corn";
  year.year_count = 3;
  const Lines lines = SplitLines(NormalYearText(year, "SA00001C001.CSV"));
  EXPECT_EQ(lines[0], " Corn, Daily Mean Values of SA00001C001.CSV,Number of years= 3");
  EXPECT_EQ(lines[1],
            "   DOY,    OKc,     IKc,   CCKc,     ETo,      Kc,       ETc,     Pcp,     SWD,     "
            "SWDx,     FC,     PWP,     SWC,     YTD");
  EXPECT_EQ(lines[2],
            "    #,        ,        ,       ,      mm,        ,        mm,      mm,      mm,       "
            " mm,        mm,        mm,        mm,        mm");
  EXPECT_EQ(lines[3],
            "    1,    0.00,    0.00,    0.00,    0.00,    0.00,    0.00,    0.00,    "
            "0.00,    0.00,    0.00,    0.00,    0.00,    0.00");
}

// A one-year mean of a class-2 crop from day 100 to 300 with ETo 5 mm and Kc 1 in season, and a
// 10 mm rain on day 145.
CropDailyMeans SteadyMeanYear() {
  CropDailyMeans means;
  means.crop_name = "Steady";
  means.crop_code = "SA00001C2.01100300MNMks1.0000IF30N";
  means.year_count = 1;
  for (int d = 1; d <= 366; ++d) {
    DailyMeanValues& day = means.days[static_cast<size_t>(d)];
    day.okc = 0.1f;
    day.ikc = d >= 100 && d <= 300 ? 1.0f : 0.0f;
    day.eto = 5.0f;
    day.etc = 5.0f * std::max(day.okc, day.ikc);
    day.pcp = d == 145 ? 10.0f : 0.0f;
  }
  return means;
}

CropRow SteadyCrop() {
  CropRow row = testing::MakeCrop(2, "Steady", 100, 300);
  row.stage_pct = {10, 30, 80};  // B = 120
  row.yield_threshold_mm = 100.0f;
  row.available_water = 0.1f;
  row.allowable_depletion_pct = 50.0f;  // 15 mm off season
  return row;
}

TEST(NormalYear, InSeasonRainIsTakenAtOnceAndThenStillAsEffectiveRain) {
  RecordingReporter reporter;
  const NormalYear year = ComputeNormalYear(SteadyMeanYear(), SteadyCrop(), reporter);
  const NormalYearDay& before = year.days[144];
  const NormalYearDay& rainy = year.days[145];
  ASSERT_LT(before.swd + 5.0f, rainy.swdx);  // no irrigation on the rainy day
  ASSERT_GE(before.swd + 5.0f, 20.0f);
  EXPECT_FLOAT_EQ(rainy.swd, before.swd + 5.0f - 10.0f - 10.0f);
  // Initial ETc over days 100..120 (no wettings: up to B), then the scan up to the last
  // irrigation: 805 + 105 > 1005 - 100 first on day 280.
  EXPECT_EQ(reporter.traces(), (Lines{"ET1=105", "ET2=805"}));
}

// A season from day 305 to day 151 of the next year, as the daily file shows it by day number.
TEST(NormalYear, SeasonSumsOfAYearEndSeasonFoldBy366) {
  CropDailyMeans means = SteadyMeanYear();
  for (int d = 1; d <= 366; ++d) {
    means.days[static_cast<size_t>(d)].ikc = d >= 305 || d <= 151 ? 1.0f : 0.0f;
    means.days[static_cast<size_t>(d)].pcp = 0.0f;
  }
  CropRow row = SteadyCrop();
  row.planting_doy = 305;
  row.ending_doy = 151;  // M = 516; B = trunc(0.1 x 211 + 305) = 326
  row.yield_threshold_mm = 4.0f;
  RecordingReporter reporter;
  ComputeNormalYear(means, row, reporter);
  // Season days 305..516 are 305..366 and 1..150 (516 - 366) of the mean year: 212 days of 5 mm;
  // planting to B is 22 of them, and the scan stops on the last day. Day 365 is in season, so
  // the balance traces its thresholds too: 950 / (trunc(950 / 4) + 1) and YTD.
  EXPECT_EQ(reporter.traces(), (Lines{"ET1=110", "ET2=950", "NA2=3.9915967", "NA3=4"}));
}

TEST(NormalYear, CropRowIsTheChosenNumberThenTheNameThenTheLast) {
  CropFile crops{"SA00001.csv", {}};
  for (const char* name : {"Corn", "Tomato", "Corn"}) {
    crops.rows.push_back(testing::MakeCrop(1, name, 100, 200));
    crops.rows.back().area_ha = static_cast<int>(crops.rows.size());
  }
  EXPECT_EQ(ChooseNormalYearRow(crops, 3, "Corn").area_ha, 3);  // not the first "Corn"
  EXPECT_EQ(ChooseNormalYearRow(crops, 7, "Corn").area_ha, 1);
  EXPECT_EQ(ChooseNormalYearRow(crops, 7, "Rice").area_ha, 3);
  EXPECT_THROW(ChooseNormalYearRow(CropFile{"SA00002.csv", {}}, 1, "Corn"), InputError);
}

struct BrokenCase {
  std::string text;
  const char* message_part;
};

TEST(NormalYear, BrokenDailyFilesNameFileAndLine) {
  const std::string header = std::string(" Corn,SA00001C1.1\n") + kDailyHeader;
  const std::string day1 =
      "2001,   1, 0.1, 0.0, 0.0, 1.0, 0.1, 0.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0\n";
  const BrokenCase cases[] = {
      {"no comma here\n", "SA00001C001.CSV, line 1"},
      {"", "SA00001C001.CSV, line 1"},
      {(header + day1 + "2001, 367, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"),
       "SA00001C001.CSV, line 5: day number 367 is outside 1..366"},
      {(header + "2001,   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"), "line 4"},
      {(header + day1 + "2001,   2, 0, 0, 0, 1x, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"),
       "SA00001C001.CSV, line 5: ETo '1x'"},
      {(header + "2001,   2, 0, 0\n"), "SA00001C001.CSV, line 4"},
      {(header + "2001,   2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"), "holds no row of day 1"},
      {(header + day1 + "2002,   1, 3e38, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n" +
        "2003,   1, 3e38, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"),
       "line 6: values too large to sum"},
      {(header + day1 + "2002,   1, 0, 0, 0, 3e38, 0, 0, 0, 0, 0, 0, 0, 0, 0\n"),
       "SA00001C001.CSV, line 5: ETo 3e+38 is outside -10..40 mm"},
  };
  for (const BrokenCase& c : cases) {
    TestFolder folder;
    folder.Write("SA00001C001.CSV", c.text);
    try {
      ReadCropDailyMeans(folder / "SA00001C001.CSV");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::exception& error) {
      EXPECT_NE(std::string(error.what()).find(c.message_part), std::string::npos) << error.what();
    }
  }
}

TEST(NormalYear, MissingFilesWriteNothing) {
  TestFolder folder;
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  const NormalYearFiles files{"00001", 1, "SA00001C001.csv", "SA00001C001.nor", "SA00001C001"};
  EXPECT_EQ(WriteNormalYear(files, session), NormalYearOutcome::kNoDailyFile);
  folder.Write("SA00001C001.CSV", TenYearDailyFile());
  EXPECT_EQ(WriteNormalYear(files, session), NormalYearOutcome::kNoCropFile);
  EXPECT_EQ(folder.Listing(), "SA00001C001.CSV\n");
}

}  // namespace
}  // namespace kelvaro
