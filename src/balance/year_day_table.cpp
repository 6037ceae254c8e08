#include "balance/year_day_table.h"

#include <algorithm>

#include "weatherio/calendar.h"

namespace kelvaro {
namespace {

size_t Index(YearDayTable::Series series) { return static_cast<size_t>(series); }

}  // namespace

YearDayTable::YearDayTable(int first_year, int year_count)
    : first_year_(first_year),
      year_count_(year_count),
      days_in_year_(static_cast<size_t>(year_count + 1), 0) {
  days_in_year_[0] = kelvaro::DaysInYear(first_year - 1);
  // Years 0..year_count plus one spare zero year after the last.
  const size_t size = static_cast<size_t>(year_count + 2) * kSlotsPerYear;
  for (auto& series : slots_) series.assign(size, 0.0f);
}

int YearDayTable::DaysInYear(int year_index) const {
  if (year_index < 0 || year_index > year_count_) return 0;
  return days_in_year_[static_cast<size_t>(year_index)];
}

void YearDayTable::SetDaysInYear(int year_index, int days) {
  days_in_year_[static_cast<size_t>(year_index)] = days;
}

int YearDayTable::FoldLength(int year_index) const {
  const int days = DaysInYear(year_index);
  return days >= 365 ? days : kelvaro::DaysInYear(CalendarYear(year_index));
}

std::ptrdiff_t YearDayTable::Offset(int year_index, int slot) const {
  return static_cast<std::ptrdiff_t>(year_index) * kSlotsPerYear + slot;
}

float YearDayTable::Get(Series series, int year_index, int slot) const {
  const auto& values = slots_[Index(series)];
  const auto offset = Offset(year_index, slot);
  if (offset < 0 || offset >= static_cast<std::ptrdiff_t>(values.size())) return 0.0f;
  return values[static_cast<size_t>(offset)];
}

void YearDayTable::Set(Series series, int year_index, int slot, float value) {
  auto& values = slots_[Index(series)];
  const auto offset = Offset(year_index, slot);
  if (offset < 0 || offset >= static_cast<std::ptrdiff_t>(values.size())) return;
  values[static_cast<size_t>(offset)] = value;
}

void YearDayTable::Clear(Series series) {
  auto& values = slots_[Index(series)];
  std::fill(values.begin(), values.end(), 0.0f);
}

}  // namespace kelvaro
