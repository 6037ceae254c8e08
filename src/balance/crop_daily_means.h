#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

// The columns of a crop's daily balance file that its normal year averages, for one day number.
struct DailyMeanValues {
  float okc = 0.0f;
  float ikc = 0.0f;
  float cckc = 0.0f;
  float eto = 0.0f;
  float etc = 0.0f;
  float pcp = 0.0f;
};

// A crop's daily balance file averaged by day number 1..366: each column summed over all rows of
// that day and divided by the number of years, the years counted as the rows of day 1. Day 366
// is divided by the same count, although only leap years have it.
struct CropDailyMeans {
  std::string file_name;
  std::string crop_name;  // the first line's text before its last comma, trimmed
  std::string crop_code;  // the text after that comma, trimmed
  int year_count = 0;
  std::array<DailyMeanValues, 367> days{};  // index = day number; 0 unused
};

// Reads a daily balance file (".CSV" of the water balance; first line " name,code", two header
// lines, then rows Year, DOY, OKc, IKc, CCKc, ETo, Kc, ETc, Pcp, SWD, SWDx, FC, PWP, SWC, YTD).
// Nothing when the file cannot be opened. A broken row, a day number outside 1..366, a first
// line without a comma or a file without a row of day 1 throws InputError or ConversionError
// naming the file and line.
std::optional<CropDailyMeans> ReadCropDailyMeans(const std::filesystem::path& path);

}  // namespace kelvaro
