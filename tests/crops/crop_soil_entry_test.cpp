#include "crops/crop_soil_entry.h"

#include <gtest/gtest.h>

#include "crop_test_support.h"

namespace kelvaro {
namespace {

using testing::FormWithCrop;

TEST(ResetCropForm, ClearsEntriesAndFillsTheCropIndependentDefaults) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  form.SA.text = "12";
  form.HectaresPlanted.text = "40";
  form.StressFactor.text = "0.5";
  form.CoverCrop2End.text = "2025-05-01";
  form.FormActivate();

  EXPECT_EQ(form.selected_crop(), -1);
  for (const FormField* cleared :
       {&form.SA, &form.CropNo, &form.HectaresPlanted, &form.DefPlantingDate, &form.DefRootingDepth,
        &form.StressFactor, &form.CoverCrop2End}) {
    EXPECT_EQ(cleared->text, "");
  }
  EXPECT_EQ(form.DefSoilType.text, "M");
  EXPECT_EQ(form.DefMaxSoil.text, "1524");
  EXPECT_EQ(form.DefAllowableDepletion.text, "50");
  EXPECT_EQ(form.DefPreIrrigated.text, "N");
  EXPECT_EQ(form.DefWettingFrequency.text, "30");
  EXPECT_EQ(form.DefGroundCoverDateB.text, "70");
  EXPECT_EQ(form.DefGroundCoverDateE.text, "70");
  EXPECT_EQ(form.DefStressFactor.text, "1");
  EXPECT_EQ(form.YearDate.text, "2025");
  EXPECT_FALSE(form.StressFactor.visible);
}

TEST(SelectCrop, FillsTheCropFieldsInTheirShortestForm) {
  const TCropSoilEntry form = FormWithCrop("Corn(grain)");
  EXPECT_EQ(form.CropNo.text, "1.13");
  EXPECT_EQ(form.CropName.text, "Corn (grain)");
  EXPECT_EQ(form.AToB.text, "20");
  EXPECT_EQ(form.AToD.text, "75");
  EXPECT_EQ(form.KcAB.text, "0.2");
  EXPECT_EQ(form.KcCD.text, "1.05");
  EXPECT_EQ(form.KcE.text, "0.6");
  EXPECT_EQ(form.PlantMonth.text, "5");
  EXPECT_EQ(form.PlantDay.text, "1");
  EXPECT_EQ(form.DefPlantingDate.text, "2025-05-01");
  EXPECT_EQ(form.EndingMonth.text, "9");
  EXPECT_EQ(form.DefEndingDate.text, "2025-09-30");
  EXPECT_EQ(form.DefRootingDepth.text, "1700.022");

  EXPECT_EQ(FormWithCrop("Cabbage").CropNo.text, "1.1");
  EXPECT_EQ(FormWithCrop("Alfalfa(Annual)").CropNo.text, "2.01");
  EXPECT_EQ(FormWithCrop("Alfalfa(Annual)").KcAB.text, "1");
  EXPECT_EQ(FormWithCrop("Beans(dry)").DefRootingDepth.text, "700.024");
  EXPECT_EQ(FormWithCrop("Barley").CropName.text, "Barely");
}

TEST(SelectCrop, SpinachSeasonRunsIntoTheNextYear) {
  const TCropSoilEntry form = FormWithCrop("Spinach");
  EXPECT_EQ(form.DefPlantingDate.text, "2025-11-15");
  EXPECT_EQ(form.DefEndingDate.text, "2025-01-31");
}

// The optional inputs shown, one letter each: ground cover on dates B to E (with its default),
// cover crops, stress ("-" where hidden).
std::string Shown(const TCropSoilEntry& f) {
  const auto letter = [](bool shown, char c) { return shown ? c : '-'; };
  return {letter(f.GroundCoverDateB.visible && f.DefGroundCoverDateB.visible, 'B'),
          letter(f.GroundCoverDateC.visible && f.DefGroundCoverDateC.visible, 'C'),
          letter(f.GroundCoverDateD.visible && f.DefGroundCoverDateD.visible, 'D'),
          letter(f.GroundCoverDateE.visible && f.DefGroundCoverDateE.visible, 'E'),
          letter(f.CoverCrop1Begin.visible && f.CoverCrop2End.visible, 'c'),
          letter(f.StressFactor.visible && f.StressStartingDate.visible, 's')};
}

TEST(SelectCrop, AlmondsThenCitrusThenWheatShowTheirClassInputs) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  EXPECT_EQ(Shown(form), "-CD-cs");
  EXPECT_FALSE(form.GroundCoverDateB.visible || form.DefGroundCoverDateE.visible);

  form.SelectCrop(*FindCropByListItem("Citrus"));
  EXPECT_EQ(Shown(form), "BCDEc-");
  EXPECT_FALSE(form.StressEndingDate.visible || form.DefStressFactor.visible);

  form.SelectCrop(*FindCropByListItem("Wheat"));
  EXPECT_EQ(Shown(form), "------");
  EXPECT_FALSE(form.GroundCoverDateC.visible || form.CoverCrop1End.visible ||
               form.StressFactor.visible);
  EXPECT_EQ(form.CropNo.text, "1.45");
}

TEST(SelectCrop, BlankItemAndOutOfRangeIndexesChangeNothing) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  for (int index : {kCatalogueSize, -1, 66, 1000}) {
    form.SelectCrop(index);
    EXPECT_EQ(form.selected_crop(), 53);
    EXPECT_EQ(form.CropNo.text, "3.01");
    EXPECT_EQ(form.DefEndingDate.text, "2025-10-15");
    EXPECT_TRUE(form.StressFactor.visible);
  }
}

}  // namespace
}  // namespace kelvaro
