#include "weatherio/calendar.h"

#include <cstddef>
#include <string>

#include "weatherio/errors.h"

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

void CheckDayOfYear(int doy, int year) {
  if (doy == 366 && !IsLeapYear(year)) {
    throw InputError("DOY 366 in " + std::to_string(year) +
                     ", a year of 365 days (only years divisible by 4 have a day 366)");
  }
}

void CheckDate(int month, int day, int doy, int year) {
  CheckDayOfYear(doy, year);
  const MonthAndDay date = MonthAndDayOfYear(doy, year);
  if (date.month == month && date.day == day) return;
  const auto text = [](int m, int d) {
    return "Mon " + std::to_string(m) + ", Day " + std::to_string(d);
  };
  throw InputError("DOY " + std::to_string(doy) + " of " + std::to_string(year) + " is " +
                   text(date.month, date.day) + ", not " + text(month, day) +
                   "; correct Mon, Day or DOY");
}

}  // namespace kelvaro
