#pragma once

#include <array>
#include <string>

#include "balance/crop_daily_means.h"
#include "crops/crop_row.h"
#include "session/reporter.h"
#include "session/session.h"

namespace kelvaro {

// One day of a crop's normal year: the means of its daily balance file, the Kc recomputed from
// them, and the balance run once more on the mean year (mm).
struct NormalYearDay {
  DailyMeanValues mean;
  float kc = 0.0f;
  float swd = 0.0f;
  float swdx = 0.0f;
  float fc = 0.0f;
  float pwp = 0.0f;
  float swc = 0.0f;
  float ytd = 0.0f;
};

struct NormalYear {
  std::string crop_name;
  int year_count = 0;
  std::array<NormalYearDay, 367> days{};  // index = day number 1..366
};

// The mean year of a crop: Kc = the larger of mean OKc and mean IKc (classes 3 and 4 with mean
// CCKc added and capped; no cover-crop floor, no stress factor), the season sums and thresholds
// of the crop row on that single year (tracing "ET1=" and "ET2=" when the last irrigation is
// found), and the daily balance over days 1..366, in which rain is taken off the depletion as
// soon as the day's ETc is in. The class is that of the daily file's crop code; soil, dates and
// irrigation rules are the row's.
NormalYear ComputeNormalYear(const CropDailyMeans& means, const CropRow& row, Reporter& reporter);

// The ".nor" text; `header_name` is printed by "%8s" in its first line. Day 366 exists in one
// year of four, so its means and Kc are printed four times over (its balance is not).
std::string NormalYearText(const NormalYear& year, const std::string& header_name);

// The crop row whose number is `crop_number` (from 1); when the crop file has no such row, the
// first row named `crop_name`, else the last row. The file must hold at least one row.
const CropRow& ChooseNormalYearRow(const CropFile& crops, int crop_number,
                                   const std::string& crop_name);

// Where a normal year comes from and goes: the crop's daily balance file, the crop's row
// number, the output name and the name its first line shows.
struct NormalYearFiles {
  std::string sa5;
  int crop_number = 0;
  std::string daily_file_name;
  std::string output_name;
  std::string header_name;
};

enum class NormalYearOutcome { kWritten, kNoDailyFile, kNoCropFile };

// Reads the daily file and the crop file "SA" + SA5 + ".CSV" of the data folder and writes the
// ".nor" file whole (or not at all). Nothing is written when either file cannot be opened; the
// caller says which. Broken contents throw InputError or ConversionError naming file and line.
NormalYearOutcome WriteNormalYear(const NormalYearFiles& files, Session& session);

}  // namespace kelvaro
