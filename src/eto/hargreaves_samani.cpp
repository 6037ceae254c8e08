#include "eto/hargreaves_samani.h"

#include <cmath>

#include "eto/solar_geometry.h"
#include "weatherio/weather_records.h"

namespace kelvaro {

float HargreavesSamani(int doy, float tmax, float tmin, float latitude_rad, float pi,
                       NegativeEt negative) {
  const float ra = ExtraterrestrialRadiation(doy, latitude_rad, pi);
  const float tmean = (tmax + tmin) * 0.5f;
  const float eto =
      static_cast<float>((tmean + 17.8) * 0.0023 * ra * std::sqrt(tmax - tmin) / kLatentHeat);
  if (negative == NegativeEt::kZero && !(eto >= 0.0f)) return 0.0f;
  return eto;
}

}  // namespace kelvaro
