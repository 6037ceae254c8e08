#pragma once

namespace kelvaro {

// Extraterrestrial radiation Ra, MJ/m^2 per day, of day of year `doy` at a latitude in radians.
// The year is taken as 365 days long, leap years too. Where the sun never sets or never rises
// the day counts as twelve hours long, as stored results expect.
float ExtraterrestrialRadiation(int doy, float latitude_rad, float pi);

// Refuses (InputError) a day's Solar, MJ/m^2 per day, above its extraterrestrial radiation at
// the station's latitude (decimal degrees): radiation in other units (W/m^2, kJ) or a wrong
// latitude. Where the formula gives none (polar night) only Solar above 0 is refused; -999
// passes.
void CheckSolarWithinRa(float solar_mj_per_m2, int doy, float latitude_deg, float pi);

}  // namespace kelvaro
