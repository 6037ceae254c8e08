#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace kelvaro {

// Per-year tables of daily values for the water balance. Year index 1 is the first calendar year
// of the working daily file; each year holds 367 slots, day 0..366 (day 0 is never written).
// The slots of one series run on from year to year, so slot 367 of a year is slot 0 of the next:
// averaging windows and season sums that run past a year's end read the next year's days, and
// past the last year they read zeros (one spare zero year is kept, and reads beyond it give 0).
class YearDayTable {
 public:
  enum class Series { kETo, kPcp, kOKc, kIKc, kKc };
  static constexpr int kSeriesCount = 5;
  static constexpr int kSlotsPerYear = 367;

  YearDayTable(int first_year, int year_count);

  int first_year() const { return first_year_; }
  int year_count() const { return year_count_; }
  int CalendarYear(int year_index) const { return first_year_ - 1 + year_index; }

  // Days of year `year_index`: the DOY of its last record (0 for a year without records). Index 0
  // is the year before the first: 366 when its number is divisible by four, else 365.
  int DaysInYear(int year_index) const;
  void SetDaysInYear(int year_index, int days);
  // The length by which a season's tail past the year's end is folded into its early days: the
  // year's days, or its calendar length when the file stops before the end of the year (so the
  // tail of a season never lands on days that have weather).
  int FoldLength(int year_index) const;

  // `slot` may run past 366 into the following years.
  float Get(Series series, int year_index, int slot) const;
  // Writes past the end of the table are dropped.
  void Set(Series series, int year_index, int slot, float value);
  // Sets every slot of a series to zero.
  void Clear(Series series);

 private:
  std::ptrdiff_t Offset(int year_index, int slot) const;

  int first_year_;
  int year_count_;
  std::vector<int> days_in_year_;  // index 0..year_count_
  std::array<std::vector<float>, kSeriesCount> slots_;
};

}  // namespace kelvaro
