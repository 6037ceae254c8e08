#pragma once

namespace kelvaro {

// Class-pan coefficient for a fetch F in metres (F > 0):
// Kp = 0.78 + 0.0658 ln F - 0.0041 (ln F)^2, 0.78 at 1 m, about 1.039 at 1000 m.
float PanCoefficient(float fetch_m);

// Reference ET, mm per day, from pan evaporation E (mm): 9 sin(E Kp / 16.8 * pi / 2), which
// reaches its ceiling of 9 mm at E Kp = 16.8 mm and is held there above it (the sine would fall
// again on the hottest days).
float PanToETo(float pan_mm, float pan_coefficient, float pi);

}  // namespace kelvaro
