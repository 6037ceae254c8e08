#include "eto/hargreaves_samani.h"

#include <cmath>

#include "weatherio/weather_records.h"

namespace kelvaro {

float HargreavesSamaniEt(float ra, float tmax, float tmin) {
  const float tmean = (tmax + tmin) / 2;
  return static_cast<float>(0.0023 * ra * (tmean + 17.8) * std::sqrt(tmax - tmin) / kLatentHeat);
}

}  // namespace kelvaro
