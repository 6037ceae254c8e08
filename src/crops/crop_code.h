#pragma once

#include <string>

namespace kelvaro {

// The parts of a crop code, the first field of a crop-file row. Only its ninth character (the
// first digit of the crop number, i.e. the crop class) is ever read back.
struct CropCodeParts {
  std::string sa5;      // SA number padded to five digits
  std::string crop_no;  // as the form shows it, e.g. "1.13"
  int planting_doy = 0;
  int ending_doy = 0;
  char maturity = 'M';        // 'I' for an immature orchard (small ground cover typed)
  char cover_crop = 'N';      // 'Y' when a cover-crop date was given (classes 3 and 4)
  std::string soil;           // soil letter, upper-cased
  std::string stress_factor;  // stress-factor text, "1.00" when none was typed
  int stress_begin_doy = 0;
  int stress_end_doy = 0;
  int wetting_frequency_days = 0;
  std::string pre_irrigated;  // "Y" or "N"
};

// The parts concatenated without separators, e.g. "SA00012C1.13121273MNMks1.0000IF30N".
std::string CropCode(const CropCodeParts& parts);

}  // namespace kelvaro
