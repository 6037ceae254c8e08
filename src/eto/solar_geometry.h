#pragma once

namespace kelvaro {

// Extraterrestrial radiation Ra, MJ/m^2 per day, of day of year `doy` at a latitude in radians.
// The year is taken as 365 days long, leap years too. Where the sun never sets or never rises
// the day counts as twelve hours long, as stored results expect.
float ExtraterrestrialRadiation(int doy, float latitude_rad, float pi);

}  // namespace kelvaro
