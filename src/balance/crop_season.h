#pragma once

#include "crops/crop_row.h"

namespace kelvaro {

// The days of a crop's season as day numbers counted from 1 January of the planting year:
// planting L, the stage dates B, C, D, and the end M (= E). A season that runs into the next
// year ends after day 365 (M > L always); days past 365 are folded into each year by the users.
struct StageDays {
  int planting = 0;
  int b = 0;
  int c = 0;
  int d = 0;
  int ending = 0;
};

StageDays SeasonStageDays(const CropRow& row);

// Days between wettings during initial growth; 0 in the crop file means 30.
int WettingFrequencyDays(const CropRow& row);

}  // namespace kelvaro
