#include "eto/rain_and_eto_rows.h"

#include "weatherio/missing_value.h"
#include "weatherio/row_format.h"

namespace kelvaro {

std::string RainAndEtoRow(const RainAndEvaporationDay& day, float eto) {
  return Printf(" %4d,%4d,%4d,%4d,%8.0f,%8.0f,%8.0f,%8.0f,%8.0f,%8.2f,%8.2f\n", day.year, day.month,
                day.day, day.doy, kMissing, kMissing, kMissing, kMissing, kMissing, day.pcp, eto);
}

}  // namespace kelvaro
