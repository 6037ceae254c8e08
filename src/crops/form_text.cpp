#include "crops/form_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

std::optional<int> DigitsValue(std::string_view digits, size_t min_length, size_t max_length) {
  if (digits.size() < min_length || digits.size() > max_length) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(),
                   [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
    return std::nullopt;
  }
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

std::vector<std::string_view> SplitOnDashes(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t dash = text.find('-'); dash != std::string_view::npos; dash = text.find('-', start)) {
    parts.push_back(text.substr(start, dash - start));
    start = dash + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::optional<CalendarDate> ReadDate(std::string_view text, int current_year) {
  const auto parts = SplitOnDashes(text);
  if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
  const bool has_year = parts.size() == 3;
  const auto year = has_year ? DigitsValue(parts[0], 4, 4) : std::optional<int>(current_year);
  const auto month = DigitsValue(parts[has_year ? 1 : 0], 1, 2);
  const auto day = DigitsValue(parts[has_year ? 2 : 1], 1, 2);
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1) {
    return std::nullopt;
  }
  if (*day > DayNum(*year)[static_cast<size_t>(*month - 1)]) return std::nullopt;
  return CalendarDate{*year, *month, *day};
}

}  // namespace

std::string NumberText(float value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

CalendarDate ParseShortDate(std::string_view text, int current_year) {
  const auto date = ReadDate(Trim(text), current_year);
  if (!date) {
    throw ConversionError(Quoted(text) + " is not a valid date (" + std::string(kShortDateFormats) +
                          ")");
  }
  return *date;
}

std::string ShortDateText(const CalendarDate& date) {
  return Printf("%04d-%02d-%02d", date.year, date.month, date.day);
}

int DayOfYearOf(const CalendarDate& date) { return DayOfYear(date.month, date.day, date.year); }

}  // namespace kelvaro
