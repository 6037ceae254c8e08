#pragma once

#include <array>

namespace kelvaro {

// February has 29 days in every year divisible by four; there is no century rule.
bool IsLeapYear(int year);

// Month lengths of the given year, January first.
std::array<int, 12> DayNum(int year);

int DaysInYear(int year);

struct MonthAndDay {
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// The month holding day of year `doy` (1..366) and the day within it. A day past the end of
// December is counted in December.
MonthAndDay MonthAndDayOfYear(int doy, int year);

// Day of year of a month and day.
int DayOfYear(int month, int day, int year);

// Refuses (InputError) a DOY past the end of its year: "DOY 366 in 2003, a year of 365 days".
void CheckDayOfYear(int doy, int year);

// CheckDayOfYear, then refuses a Mon and Day that are not that day of the year: "DOY 61 of 2003
// is Mon 3, Day 2, not Mon 3, Day 1; correct Mon, Day or DOY".
void CheckDate(int month, int day, int doy, int year);

}  // namespace kelvaro
