#include "weatherio/calendar.h"

#include <cstddef>

namespace kelvaro {

bool IsLeapYear(int year) { return year % 4 == 0; }

std::array<int, 12> DayNum(int year) {
  return {31, IsLeapYear(year) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

int DaysInYear(int year) { return IsLeapYear(year) ? 366 : 365; }

MonthAndDay MonthAndDayOfYear(int doy, int year) {
  const auto lengths = DayNum(year);
  int days_before = 0;
  for (int month = 1; month <= 12; ++month) {
    const int month_end = days_before + lengths[static_cast<size_t>(month - 1)];
    if (doy <= month_end || month == 12) return {month, doy - days_before};
    days_before = month_end;
  }
  return {};
}

int DayOfYear(int month, int day, int year) {
  const auto lengths = DayNum(year);
  int doy = day;
  for (int m = 1; m < month && m <= 12; ++m) doy += lengths[static_cast<size_t>(m - 1)];
  return doy;
}

}  // namespace kelvaro
