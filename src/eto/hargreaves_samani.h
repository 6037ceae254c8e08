#pragma once

namespace kelvaro {

// Temperature-only grass reference ET, mm per day, from the extraterrestrial radiation
// (MJ/m^2 per day) and the day's TMax and TMin (oC); dividing by the latent heat turns MJ into mm.
float HargreavesSamaniEt(float ra, float tmax, float tmin);

}  // namespace kelvaro
