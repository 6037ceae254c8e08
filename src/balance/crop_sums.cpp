#include "balance/crop_sums.h"

#include <cstddef>

namespace kelvaro {

CropSums::CropSums(int years)
    : year_count(years),
      cetc(static_cast<size_t>(years + 1), 0.0f),
      cer(static_cast<size_t>(years + 1), 0.0f),
      ocetc(static_cast<size_t>(years + 1), 0.0f),
      ocer(static_cast<size_t>(years + 1), 0.0f) {}

std::array<MonthAverage, 12> MonthAverages(const CropSums& sums) {
  std::array<MonthAverage, 12> months;
  const float years = static_cast<float>(sums.year_count);
  for (size_t m = 0; m < 12; ++m) {
    MonthAverage& month = months[m];
    month.eto = sums.month_eto[m] / years;
    month.etc = sums.month_etc[m] / years;
    month.pcp = sums.month_pcp[m] / years;
    month.er = sums.month_er[m] / years;
    const float etaw = month.etc - month.er;
    month.etaw = etaw > 0.0f ? etaw : 0.0f;
  }
  return months;
}

}  // namespace kelvaro
