#pragma once

#include <array>

namespace kelvaro {

// Day of year of the last day of each month.
inline constexpr std::array<int, 12> kMonthEndDaysNormal{31,  59,  90,  120, 151, 181,
                                                         212, 243, 273, 304, 334, 365};
inline constexpr std::array<int, 12> kMonthEndDaysLeap{31,  60,  91,  121, 152, 182,
                                                       213, 244, 274, 305, 335, 366};

// Day of year of each month's middle. The operations keep the days their stored results were
// computed with, so there are two tables of them.
// The monthly ETo of the means file, the generator's filled-in monthly ETo and the nodes of the
// spline through monthly means use one table in every year:
inline constexpr std::array<int, 12> kMidMonthDays{15,  46,  76,  107, 137, 168,
                                                   198, 229, 259, 290, 320, 351};
// The straight-line spread of monthly values over the days of a year uses a table per year
// length:
inline constexpr std::array<int, 12> kMidMonthDaysNormal{15,  45,  74,  105, 135, 166,
                                                         196, 227, 258, 288, 319, 349};
inline constexpr std::array<int, 12> kMidMonthDaysLeap{15,  46,  75,  106, 136, 167,
                                                       197, 228, 259, 289, 320, 350};

inline constexpr std::array<const char*, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr std::array<const char*, 12> kMonthAbbreviations{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

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
