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

struct Visibility {
  bool cover_b, cover_c, cover_d, cover_e, cover_crops, stress;
};

Visibility VisibleInputs(const TCropSoilEntry& form) {
  return {form.GroundCoverDateB.visible && form.DefGroundCoverDateB.visible,
          form.GroundCoverDateC.visible && form.DefGroundCoverDateC.visible,
          form.GroundCoverDateD.visible && form.DefGroundCoverDateD.visible,
          form.GroundCoverDateE.visible && form.DefGroundCoverDateE.visible,
          form.CoverCrop1Begin.visible && form.CoverCrop2End.visible,
          form.StressFactor.visible && form.StressStartingDate.visible &&
              form.StressEndingDate.visible};
}

void ExpectVisible(const TCropSoilEntry& form, Visibility expected) {
  const Visibility shown = VisibleInputs(form);
  EXPECT_EQ(shown.cover_b, expected.cover_b);
  EXPECT_EQ(shown.cover_c, expected.cover_c);
  EXPECT_EQ(shown.cover_d, expected.cover_d);
  EXPECT_EQ(shown.cover_e, expected.cover_e);
  EXPECT_EQ(shown.cover_crops, expected.cover_crops);
  EXPECT_EQ(shown.stress, expected.stress);
}

TEST(SelectCrop, AlmondsThenCitrusThenWheatShowTheirClassInputs) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  ExpectVisible(form, {false, true, true, false, true, true});
  // Hidden inputs stay hidden whichever way they were reached.
  EXPECT_FALSE(form.GroundCoverDateB.visible || form.GroundCoverDateE.visible);

  form.SelectCrop(*FindCropByListItem("Citrus"));
  ExpectVisible(form, {true, true, true, true, true, false});
  EXPECT_FALSE(form.StressFactor.visible || form.DefStressFactor.visible);

  form.SelectCrop(*FindCropByListItem("Wheat"));
  ExpectVisible(form, {false, false, false, false, false, false});
  EXPECT_FALSE(form.GroundCoverDateC.visible || form.CoverCrop1Begin.visible ||
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
