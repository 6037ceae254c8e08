// A study area's water budget from the result files of its last run.
#include "analysis/water_budget.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/row_format.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

constexpr double kExact = 1e-6;

TEST(VolumeUnits, DepthsOverAreasAreCubicMetresAcreFeetOrDepthsAgain) {
  EXPECT_DOUBLE_EQ(CubicMetres(1.0, 1.0), 10.0);
  EXPECT_DOUBLE_EQ(CubicMetres(250.0, 4.0), 10000.0);
  EXPECT_NEAR(InVolumeUnit(1233.48, 0.0, VolumeUnit::kAcreFeet), 1.0, kExact);
  EXPECT_NEAR(InVolumeUnit(CubicMetres(300.0, 50.0), 50.0, VolumeUnit::kMillimetres), 300.0,
              kExact);
  EXPECT_DOUBLE_EQ(InVolumeUnit(123.0, 7.0, VolumeUnit::kCubicMetres), 123.0);
  EXPECT_EQ(ParseVolumeUnit("acre-ft"), VolumeUnit::kAcreFeet);
  EXPECT_EQ(ParseVolumeUnit("m3"), VolumeUnit::kCubicMetres);
  EXPECT_EQ(ParseVolumeUnit("mm"), VolumeUnit::kMillimetres);
  EXPECT_FALSE(ParseVolumeUnit("gallons").has_value());
}

TEST(Spread, PercentilesInterpolateBetweenTheNearestRanks) {
  struct Case {
    std::vector<double> values;
    double fraction;
    double expected;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0.1, 1.9},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0.5, 5.5},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0.9, 9.1},
      {{50, 15, 40, 20, 35}, 0.1, 17.0},  // unsorted
      {{50, 15, 40, 20, 35}, 0.5, 35.0},
      {{50, 15, 40, 20, 35}, 0.0, 15.0},
      {{50, 15, 40, 20, 35}, 1.0, 50.0},
      {{42}, 0.9, 42.0},
      {{}, 0.5, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Percentile(c.values, c.fraction), c.expected, kExact)
        << c.values.size() << " values at " << c.fraction;
  }
  const Spread spread = SpreadOf({3, 1, 2});
  EXPECT_DOUBLE_EQ(spread.min, 1.0);
  EXPECT_DOUBLE_EQ(spread.p10, 1.2);
  EXPECT_DOUBLE_EQ(spread.p50, 2.0);
  EXPECT_DOUBLE_EQ(spread.p90, 2.8);
  EXPECT_DOUBLE_EQ(spread.max, 3.0);
}

// The first two crops of the bundled study area (Alfalfa 120 ha, Tomato 80 ha) with five years
// of results written by hand: Alfalfa's ETAW 1000..1400 mm, Tomato's 500..900 mm.
class WaterBudgetTest : public ::testing::Test {
 public:
  WaterBudgetTest() {
    const auto example = ReadTextFile(testing::ExamplePath("SA00001.csv"));
    crop_lines_ = {example->lines.begin(), example->lines.begin() + 5};
    WriteCropFile();
    WriteAnnual(1, "Alfalfa(annual)", "SA00001C2.011365MNLks1.0000IF10N", 1000.0f);
    WriteAnnual(2, "Tomato", "SA00001C1.4391243MNMks1.0000IF7N", 500.0f);
    WriteSummary({{"Alfalfa(annual)", "SA00001C2.011365MNLks1.0000IF10N"},
                  {"Tomato", "SA00001C1.4391243MNMks1.0000IF7N"}});
    folder_.Write("IrrigationsforSA00001.irs",
                  " Irrigations of study area 00001,Number of years=  5\nheader\nunits\n"
                  "   1,Alfalfa(annual),9999,   38.40, 1700.00,   44.27,    0.00\n"
                  "   2,Tomato,9999,   17.60,  880.00,   50.00,    0.00\n");
  }

  void WriteCropFile() const {
    std::string text;
    for (const auto& line : crop_lines_) text += line + "\n";
    folder_.Write("SA00001.csv", text);
  }

  // Years 2001..2005, ETAW rising by 100 mm a year from `first_etaw`; AETAW 20 mm above.
  void WriteAnnual(int crop, const std::string& name, const std::string& code,
                   float first_etaw) const {
    std::string text = " " + name + "," + code + "\nYear,...\n   #,...\n";
    for (int y = 0; y < 5; ++y) {
      const float etaw = first_etaw + 100.0f * static_cast<float>(y);
      text += Printf("%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", 2001 + y,
                     etaw + 50, 50.0f, etaw, etaw + 80, 60.0f, etaw + 20, 30.0f, 10.0f, 20.0f);
    }
    const float mean = first_etaw + 200.0f;
    text += Printf("9999,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", mean + 50, 50.0f,
                   mean, mean + 80, 60.0f, mean + 20, 30.0f, 10.0f, 20.0f);
    folder_.Write("SA00001C00" + std::to_string(crop) + ".EAW", text);
  }

  void WriteSummary(const std::vector<std::pair<std::string, std::string>>& crops) const {
    std::string text =
        " Summary of ETAW for study area 00001 ,Number of years=  5\nCrop,...\n,,mm\n";
    for (const auto& [name, code] : crops) {
      text += name + "," + code;
      for (int m = 1; m <= 12; ++m) text += Printf(",%8.2f", 10.0f * static_cast<float>(m));
      text += ",  780.00\n";
    }
    folder_.Write("SumofETAWforSA00001.saw", text);
  }

  void Replace(const std::string& name, const std::string& from, const std::string& to) const {
    std::string text = folder_.Read(name);
    text.replace(text.find(from), from.size(), to);
    folder_.Write(name, text);
  }

  // An events file whose second row is `row`.
  void WriteEvents(const std::string& row) const {
    folder_.Write("IrrigationEventsforSA00001.ire",
                  " Irrigation events of study area 00001,Number of years=  5\nheader\nunits\n"
                  "   1,Alfalfa(annual),2001,  32,Pre-irrigation,   50.00\n" +
                      row);
  }

  WaterBudget Budget(VolumeUnit unit) const {
    return MakeWaterBudget(ReadStudyAreaResults(folder_.path(), "00001"), unit);
  }

  TestFolder folder_;
  std::vector<std::string> crop_lines_;
};

// A fixture of its own for each case of a table.
struct FreshBudgetFolder : WaterBudgetTest {
  void TestBody() override {}
};

TEST_F(WaterBudgetTest, CropVolumesAreEtawTimesAreaAndTheStudyAreaIsTheirSum) {
  const WaterBudget budget = Budget(VolumeUnit::kCubicMetres);
  ASSERT_EQ(budget.crops.size(), 2u);
  EXPECT_EQ(budget.years, (std::vector<int>{2001, 2002, 2003, 2004, 2005}));
  const BudgetLine& alfalfa = budget.crops[0];
  EXPECT_EQ(alfalfa.name, "Alfalfa(annual)");
  EXPECT_DOUBLE_EQ(alfalfa.area_ha, 120.0);
  EXPECT_DOUBLE_EQ(alfalfa.etaw_mm, 1200.0);
  EXPECT_DOUBLE_EQ(alfalfa.aetaw_mm, 1220.0);
  EXPECT_DOUBLE_EQ(alfalfa.volume, 1200.0 * 120 * 10);
  EXPECT_NEAR(alfalfa.irrigations_per_year, 38.4, 1e-5);
  EXPECT_DOUBLE_EQ(budget.crops[1].volume, 700.0 * 80 * 10);

  const BudgetLine& sa = budget.study_area;
  EXPECT_DOUBLE_EQ(sa.area_ha, 200.0);
  EXPECT_DOUBLE_EQ(sa.volume, alfalfa.volume + budget.crops[1].volume);
  EXPECT_DOUBLE_EQ(sa.etaw_mm, 2.0e6 / (200 * 10));  // the depth over the planted area
  EXPECT_NEAR(sa.irrigations_per_year, 38.4 + 17.6, 1e-5);
}

// The study area's yearly volumes are 1.6, 1.8 ... 2.4 million m3.
TEST_F(WaterBudgetTest, SpreadsAreThoseOfTheYearlyFigures) {
  const WaterBudget budget = Budget(VolumeUnit::kCubicMetres);
  EXPECT_EQ(budget.annual_volumes, (std::vector<double>{1.6e6, 1.8e6, 2.0e6, 2.2e6, 2.4e6}));
  const Spread& volume = budget.study_area.volume_by_year;
  EXPECT_DOUBLE_EQ(volume.min, 1.6e6);
  EXPECT_DOUBLE_EQ(volume.p10, 1.68e6);
  EXPECT_DOUBLE_EQ(volume.p50, 2.0e6);
  EXPECT_DOUBLE_EQ(volume.p90, 2.32e6);
  EXPECT_DOUBLE_EQ(volume.max, 2.4e6);
  const Spread& alfalfa = budget.crops[0].etaw_mm_by_year;
  EXPECT_DOUBLE_EQ(alfalfa.p10, 1040.0);
  EXPECT_DOUBLE_EQ(alfalfa.p90, 1360.0);
  EXPECT_DOUBLE_EQ(budget.crops[0].volume_by_year.max, 1400.0 * 120 * 10);
  EXPECT_DOUBLE_EQ(budget.study_area.etaw_mm_by_year.max, 2.4e6 / 2000);
}

TEST_F(WaterBudgetTest, AcreFeetAndDepthsShowTheSameWater) {
  const WaterBudget acre_feet = Budget(VolumeUnit::kAcreFeet);
  EXPECT_NEAR(acre_feet.study_area.volume, 2.0e6 / 1233.48, 1e-6);
  EXPECT_NEAR(acre_feet.study_area.volume_by_year.max, 2.4e6 / 1233.48, 1e-6);
  const WaterBudget depths = Budget(VolumeUnit::kMillimetres);
  EXPECT_NEAR(depths.crops[0].volume, 1200.0, 1e-9);
  EXPECT_NEAR(depths.study_area.volume, 1000.0, 1e-9);
}

TEST_F(WaterBudgetTest, TheCsvHoldsOneRowPerCropAndTheStudyArea) {
  const auto path = WriteWaterBudget(folder_.path(), Budget(VolumeUnit::kAcreFeet));
  EXPECT_EQ(path.filename(), "WaterBudgetforSA00001.csv");
  const auto lines = SplitLines(folder_.Read("WaterBudgetforSA00001.csv"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], " Water budget of study area 00001,Number of years=  5,Volumes in acre-ft");
  EXPECT_EQ(lines[2],
            "#,,ha,mm,mm,acre-ft,per year,mm,mm,mm,mm,mm,acre-ft,acre-ft,acre-ft,"
            "acre-ft,acre-ft");
  EXPECT_EQ(lines[3],
            "1,Alfalfa(annual),120,1200.00,1220.00,1167.43,38.40,1000.00,1040.00,1200.00,"
            "1360.00,1400.00,972.86,1011.77,1167.43,1323.09,1362.00");
  EXPECT_EQ(lines[5].substr(0, 50), "Total,Study area 00001,200,1000.00,1020.00,1621.43");
}

// Alfalfa (120 ha) 50 mm on 1 February 2001 and 30 mm on 29 February 2004; Tomato (80 ha)
// 40 mm on 31 December 2004 (day 366 of a leap year).
TEST_F(WaterBudgetTest, TheMonthlyDeliveryIsDepthTimesAreaByMonthOverTheYears) {
  WriteEvents(
      "   1,Alfalfa(annual),2004,  60,Irrigation,   30.00\n"
      "   2,Tomato,2004, 366,Irrigation,   40.00\n");
  const WaterBudget budget = Budget(VolumeUnit::kCubicMetres);
  const MonthlyDelivery& delivery = budget.delivery;
  ASSERT_EQ(delivery.crops.size(), 2u);
  EXPECT_DOUBLE_EQ(delivery.crops[0].mean[1], (50.0 + 30.0) * 120 * 10 / 5);
  // Between the 4th (36000) and 5th (60000 m3) of the five years, at 60 %.
  EXPECT_DOUBLE_EQ(delivery.crops[0].p90[1], 36000.0 + 0.6 * 24000.0);
  EXPECT_DOUBLE_EQ(delivery.crops[1].mean[11], 40.0 * 80 * 10 / 5);
  EXPECT_DOUBLE_EQ(delivery.study_area.mean[12], (80.0 * 120 + 40.0 * 80) * 10 / 5);
  EXPECT_DOUBLE_EQ(delivery.study_area.mean[0], 0.0);

  WriteWaterBudget(folder_.path(), budget);
  const auto lines = SplitLines(folder_.Read("WaterBudgetforSA00001.csv"));
  ASSERT_EQ(lines.size(), 6u + 1 + 3 + 6);
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7],
            " Monthly irrigation delivered by the model (every irrigation and pre-irrigation of "
            "IrrigationEventsforSA00001.ire: depth x area),for a delivery schedule,Volumes in m3");
  EXPECT_EQ(lines[8], "Crop#,Crop,Figure,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Year");
  EXPECT_EQ(lines[10], "1,Alfalfa(annual),Mean,0,19200,0,0,0,0,0,0,0,0,0,0,19200");
  EXPECT_EQ(lines[15], "Total,Study area 00001,P90,0,50400,0,0,0,0,0,0,0,0,0,19200,64800");
}

TEST_F(WaterBudgetTest, ResultsWithoutCountedIrrigationsShowThemAsMissing) {
  std::filesystem::remove(folder_ / "IrrigationsforSA00001.irs");
  const WaterBudget budget = Budget(VolumeUnit::kCubicMetres);
  EXPECT_EQ(budget.crops[0].irrigations_per_year, -999.0);
  EXPECT_EQ(budget.study_area.irrigations_per_year, -999.0);
}

TEST_F(WaterBudgetTest, ResultsThatDoNotFitTheCropFileAreRefusedNamingTheFile) {
  struct Case {
    const char* what;
    std::function<void(WaterBudgetTest&)> change;
    std::string message;
  };
  const std::string again = ": run study area 1 again";
  const Case cases[] = {
      {"no crop file",
       [](WaterBudgetTest& t) { std::filesystem::remove(t.folder_ / "SA00001.csv"); },
       "SA00001.CSV is missing: study area 1 has no crop file"},
      {"no results yet",
       [](WaterBudgetTest& t) { std::filesystem::remove(t.folder_ / "SumofETAWforSA00001.saw"); },
       "SumofETAWforSA00001.saw is missing: study area 1 has no results yet; run it first"},
      {"a crop added since the run",
       [](WaterBudgetTest& t) {
         const auto example = ReadTextFile(testing::ExamplePath("SA00001.csv"));
         t.crop_lines_.push_back(example->lines[5]);
         t.WriteCropFile();
       },
       "SA00001.csv holds 3 crops but the last run had 2 (SumofETAWforSA00001.saw); the crop "
       "file has changed since" +
           again},
      {"a crop replaced since the run",
       [](WaterBudgetTest& t) {
         const auto example = ReadTextFile(testing::ExamplePath("SA00001.csv"));
         t.crop_lines_[4] = example->lines[5];
         t.WriteCropFile();
       },
       "SA00001.csv, line 5 (crop 2) is Corn (grain) but the last run had Tomato there "
       "(SumofETAWforSA00001.saw); the crop file has changed since" +
           again},
      {"an area of 0",
       [](WaterBudgetTest& t) {
         t.crop_lines_[3].replace(t.crop_lines_[3].find(" 120,"), 5, "   0,");
         t.WriteCropFile();
       },
       "SA00001.csv, line 4 (crop 1): Hectares planted should be above 0 and at most 1000000 ha, "
       "not 0"},
      {"an area of 2,000,000,000 ha",
       [](WaterBudgetTest& t) {
         t.crop_lines_[3].replace(t.crop_lines_[3].find(" 120,"), 5, " 2000000000,");
         t.WriteCropFile();
       },
       "SA00001.csv, line 4 (crop 1): Hectares planted should be above 0 and at most 1000000 ha, "
       "not 2000000000"},
      {"an ETAW of 1e30",
       [](WaterBudgetTest& t) { t.Replace("SA00001C001.EAW", "1100.00", "  1e+30"); },
       "SA00001C001.EAW, line 5: ETAW 1e+30 is outside -500..5000 mm a year" + again},
      {"an AETAW of -999",
       [](WaterBudgetTest& t) { t.Replace("SA00001C001.EAW", "1120.00", "-999.00"); },
       "SA00001C001.EAW, line 5: AETAW -999 is outside -500..5000 mm a year" + again},
      {"irrigations beyond one a day",
       [](WaterBudgetTest& t) { t.Replace("IrrigationsforSA00001.irs", "   38.40", "  400.00"); },
       "IrrigationsforSA00001.irs, line 4: Irrigations 400 is outside 0..366 a year"},
      {"an irrigation of 1e30 mm",
       [](WaterBudgetTest& t) { t.WriteEvents("   2,Tomato,2003, 150,Irrigation,   1e+30\n"); },
       "IrrigationEventsforSA00001.ire, line 5: Depth 1e+30 is outside 0..5000 mm" + again},
      {"an irrigation of a crop the crop file lacks",
       [](WaterBudgetTest& t) { t.WriteEvents("   3,Corn,2003, 150,Irrigation,   40.00\n"); },
       "IrrigationEventsforSA00001.ire, line 5: crop 3 is not one of the 2 crops of the crop "
       "file" +
           again},
      {"an irrigation in a year the run did not have",
       [](WaterBudgetTest& t) { t.WriteEvents("   2,Tomato,1999, 150,Irrigation,   40.00\n"); },
       "IrrigationEventsforSA00001.ire, line 5: year 1999 is not a year of the run (2001-2005)" +
           again},
      {"an irrigation on day 366 of a year of 365",
       [](WaterBudgetTest& t) { t.WriteEvents("   2,Tomato,2001, 366,Irrigation,   40.00\n"); },
       "IrrigationEventsforSA00001.ire, line 5: DOY 366 is not a day of 2001" + again},
      {"a negative area",
       [](WaterBudgetTest& t) {
         t.crop_lines_[4].replace(t.crop_lines_[4].find("  80,"), 5, " -80,");
         t.WriteCropFile();
       },
       "SA00001.csv, line 5 (crop 2): Hectares planted should be above 0 and at most 1000000 ha, "
       "not -80"},
      {"an annual file missing",
       [](WaterBudgetTest& t) { std::filesystem::remove(t.folder_ / "SA00001C002.EAW"); },
       "SA00001C002.EAW is missing" + again},
      {"an annual file cut short",
       [](WaterBudgetTest& t) {
         const std::string text = t.folder_.Read("SA00001C002.EAW");
         t.folder_.Write("SA00001C002.EAW", text.substr(0, text.find("2004,")));
       },
       "SA00001C002.EAW is cut short: it ends before its averages row (9999)" + again},
      {"an annual file of other years",
       [](WaterBudgetTest& t) {
         std::string text = t.folder_.Read("SA00001C002.EAW");
         text.replace(text.find("2001,"), 5, "1999,");
         t.folder_.Write("SA00001C002.EAW", text);
       },
       "SA00001C002.EAW holds other years than SA00001C001.EAW" + again},
      {"an annual file of another crop",
       [](WaterBudgetTest& t) {
         std::string text = t.folder_.Read("SA00001C002.EAW");
         text.replace(1, 6, "Carrot");
         t.folder_.Write("SA00001C002.EAW", text);
       },
       "SA00001C002.EAW holds the results of another crop than crop 2 (Tomato)" + again},
      {"an irrigation summary without a crop",
       [](WaterBudgetTest& t) {
         const std::string text = t.folder_.Read("IrrigationsforSA00001.irs");
         t.folder_.Write("IrrigationsforSA00001.irs", text.substr(0, text.find("   2,")));
       },
       "IrrigationsforSA00001.irs has no averages row of crop 2" + again},
  };
  for (const Case& c : cases) {
    FreshBudgetFolder fresh;
    c.change(fresh);
    try {
      fresh.Budget(VolumeUnit::kCubicMetres);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.what;
    }
  }
}

TEST_F(WaterBudgetTest, AValueThatIsNotANumberNamesFileAndLine) {
  std::string text = folder_.Read("SA00001C001.EAW");
  text.replace(text.find("1100.00"), 7, "1100.0x");
  folder_.Write("SA00001C001.EAW", text);
  try {
    Budget(VolumeUnit::kCubicMetres);
    ADD_FAILURE() << "accepted";
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()),
              "SA00001C001.EAW, line 5: '1100.0x' is not a valid floating point value");
  }
}

// A crop name longer than the Crop column widens it for every row: the figures stay under
// their headings.
TEST(WaterBudgetText, ALongCropNameWidensItsColumnAndKeepsTheOthersAligned) {
  WaterBudget budget;
  budget.sa5 = "00001";
  budget.years = {2001, 2002};
  BudgetLine corn{1, "Corn", 200.0, 800.5, 806.7, 1601000.0, 6.8, {}, {}};
  BudgetLine alfalfa{
      2, "Alfalfa (annual) a much longer name", 120.0, 1777.7, 1777.7, 2133240.0, 38.9, {}, {}};
  budget.crops = {corn, alfalfa};
  budget.study_area = {0, "Study area 00001", 320.0, 1167.0, 1169.0, 3734240.0, 45.7, {}, {}};
  const std::vector<std::string> lines = SplitLines(WaterBudgetText(budget));
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 7),
            (std::vector<std::string>{
                "    # Crop                                    Area     ETAW    AETAW         "
                "Volume Irrigations",
                "                                                ha       mm       mm             "
                "m3    per year",
                "    1 Corn                                     200    800.5    806.7        "
                "1601000         6.8",
                "    2 Alfalfa (annual) a much longer name      120   1777.7   1777.7        "
                "2133240        38.9",
                "      Study area 00001                         320   1167.0   1169.0        "
                "3734240        45.7",
            }));
}

}  // namespace
}  // namespace kelvaro
