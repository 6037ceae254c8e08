#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

// A number as the form shows it: whole numbers plainly ("2000"), others in their shortest
// decimal form ("1.1", "2.01", "700.024").
std::string NumberText(float value);

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// How ParseShortDate's message explains the dates it reads.
inline constexpr std::string_view kShortDateFormats = "YYYY-MM-DD, or MM-DD in the current year";

// The form's short date format: "YYYY-MM-DD", or "MM-DD" for a date in `current_year`. Throws
// ConversionError quoting the text when it is not a date of the calendar.
CalendarDate ParseShortDate(std::string_view text, int current_year);

// "YYYY-MM-DD".
std::string ShortDateText(const CalendarDate& date);

// Day of the year 1..366, counted within the date's own year.
int DayOfYearOf(const CalendarDate& date);

}  // namespace kelvaro
