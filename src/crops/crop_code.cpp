#include "crops/crop_code.h"

#include "weatherio/study_area_names.h"

namespace kelvaro {

std::string CropCode(const CropCodeParts& parts) {
  std::string code = CropResultPrefix(parts.sa5) + parts.crop_no;
  code += std::to_string(parts.planting_doy) + std::to_string(parts.ending_doy);
  code += parts.maturity;
  code += parts.cover_crop;
  code += parts.soil + "ks" + parts.stress_factor;
  code += std::to_string(parts.stress_begin_doy) + std::to_string(parts.stress_end_doy);
  code += "IF" + std::to_string(parts.wetting_frequency_days) + parts.pre_irrigated;
  return code;
}

}  // namespace kelvaro
