#pragma once

#include <array>
#include <string>
#include <vector>

#include "weatherio/text_file.h"

namespace kelvaro {

// Readers of the result files the charts draw. Each skips the three header lines and refuses,
// naming the file and line, a line with too few fields or a value that is not a number.

// One day of a crop's daily balance file ("SA" + SA5 + "C" + kkk + ".CSV"), the columns a
// chart shows (mm unless noted).
struct BalanceDay {
  int year = 0;
  int doy = 0;
  float eto = 0.0f;
  float kc = 0.0f;
  float etc = 0.0f;
  float pcp = 0.0f;
  float swd = 0.0f;
  float swdx = 0.0f;  // the day's threshold
};

struct DailyBalanceFile {
  std::string crop_name;  // from the first line: the text before the crop code
  std::vector<BalanceDay> days;
};

DailyBalanceFile ReadDailyBalance(const TextFile& file);

// One row of the irrigation events file.
struct RecordedIrrigation {
  int crop_number = 0;
  int year = 0;
  int doy = 0;
  bool pre_irrigation = false;
  float depth_mm = 0.0f;
};

// One data line of the irrigation events file; refuses a kind that is neither, a day outside
// 1..366 and a depth outside 0..5000 mm.
RecordedIrrigation ParseIrrigationEvent(const std::string& line);
std::vector<RecordedIrrigation> ReadIrrigationEvents(const TextFile& file);

// Seven columns of twelve monthly rows: Solar, TMax, TMin, Wind, Td, Pcp and, in the generator's
// files, NRD; in the statistics' files ETo.
using MonthlyColumns7 = std::array<std::array<float, 7>, 12>;

// The generator's ".wxr": the simulated means, then the means rescaled to the input. Refuses a
// file with fewer than 24 rows (the statistics' ".wxr", which replaces the generator's, has 12).
struct GeneratedMonthlyMeans {
  MonthlyColumns7 simulated{};
  MonthlyColumns7 rescaled{};
};

GeneratedMonthlyMeans ReadGeneratedMonthlyMeans(const TextFile& file);

// A daily statistics file (".avg", ".sdv"): 366 rows of DOY, Solar, TMax, TMin, Wind, Td, Pcp,
// ETo. Refuses a file with fewer than 366 rows.
using DailyColumns7 = std::vector<std::array<float, 7>>;

DailyColumns7 ReadDailyStatistics(const TextFile& file);

}  // namespace kelvaro
