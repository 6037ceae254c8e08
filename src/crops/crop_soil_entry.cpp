#include "crops/crop_soil_entry.h"

#include "crops/crop_catalogue.h"
#include "crops/form_text.h"

namespace kelvaro {

TCropSoilEntry::TCropSoilEntry(int current_year) : current_year_(current_year) { ResetCropForm(); }

void TCropSoilEntry::ResetCropForm() {
  selected_crop_ = -1;
  editing_.reset();
  problems_.clear();
  for (FormField* entry : {&SA,
                           &CropNo,
                           &PlantingDate,
                           &DefPlantingDate,
                           &EndingDate,
                           &DefEndingDate,
                           &SoilType,
                           &HectaresPlanted,
                           &MaxSoilDepth,
                           &RootingDepth,
                           &DefRootingDepth,
                           &AllowableDepletion,
                           &PreIrrigated,
                           &WettingFrequency,
                           &GroundCoverDateB,
                           &GroundCoverDateC,
                           &GroundCoverDateD,
                           &GroundCoverDateE,
                           &CoverCrop1Begin,
                           &CoverCrop1End,
                           &CoverCrop2Begin,
                           &CoverCrop2End,
                           &StressFactor,
                           &StressStartingDate,
                           &StressEndingDate}) {
    entry->text.clear();
  }
  DefSoilType.text = kDefSoilType;
  DefMaxSoil.text = kDefMaxSoil;
  DefAllowableDepletion.text = kDefAllowableDepletion;
  DefPreIrrigated.text = kDefPreIrrigated;
  DefWettingFrequency.text = kDefWettingFrequency;
  for (FormField* cover :
       {&DefGroundCoverDateB, &DefGroundCoverDateC, &DefGroundCoverDateD, &DefGroundCoverDateE}) {
    cover->text = kDefGroundCover;
  }
  DefStressFactor.text = kDefStressFactor;
  YearDate.text = std::to_string(current_year_);
  // With no crop chosen none of the class-dependent inputs applies.
  ShowClassInputs(0);
}

void TCropSoilEntry::SelectCrop(int list_index) {
  if (list_index < 0 || list_index >= kCatalogueSize) return;
  const CropDefaults& crop = CropCatalogue()[static_cast<size_t>(list_index)];
  selected_crop_ = list_index;
  CropNo.text = NumberText(crop.crop_no);
  CropName.text = crop.crop_name;
  AToB.text = std::to_string(crop.a_to_b);
  AToC.text = std::to_string(crop.a_to_c);
  AToD.text = std::to_string(crop.a_to_d);
  KcAB.text = NumberText(crop.kc_ab);
  KcCD.text = NumberText(crop.kc_cd);
  KcE.text = NumberText(crop.kc_e);
  PlantMonth.text = std::to_string(crop.plant_month);
  PlantDay.text = std::to_string(crop.plant_day);
  DefPlantingDate.text = ShortDateText({current_year_, crop.plant_month, crop.plant_day});
  EndingMonth.text = std::to_string(crop.ending_month);
  EndingDay.text = std::to_string(crop.ending_day);
  DefEndingDate.text = ShortDateText({current_year_, crop.ending_month, crop.ending_day});
  DefRootingDepth.text = NumberText(crop.def_rooting_depth_mm);
  ShowClassInputs(CropClass(crop.crop_no));
}

void TCropSoilEntry::ShowClassInputs(int crop_class) {
  const bool orchard = crop_class == 3;
  const bool evergreen = crop_class == 4;
  for (FormField* cover :
       {&GroundCoverDateB, &DefGroundCoverDateB, &GroundCoverDateE, &DefGroundCoverDateE}) {
    cover->visible = evergreen;
  }
  for (FormField* cover :
       {&GroundCoverDateC, &DefGroundCoverDateC, &GroundCoverDateD, &DefGroundCoverDateD,
        &CoverCrop1Begin, &CoverCrop1End, &CoverCrop2Begin, &CoverCrop2End}) {
    cover->visible = orchard || evergreen;
  }
  for (FormField* stress :
       {&StressFactor, &DefStressFactor, &StressStartingDate, &StressEndingDate}) {
    stress->visible = orchard;
  }
}

}  // namespace kelvaro
