#include "eto/rain_reassignment.h"

#include <array>
#include <utility>

#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

constexpr int kColumns = 11;
enum Column { kYear, kMon, kDay, kDoy, kSolar, kTMax, kTMin, kWind, kTd, kPcp, kEto };

// One eto row: the calendar columns as read (integers), Solar to ETo as reals.
struct Row {
  int year = 0;
  int month = 0;
  int day = 0;
  int doy = 0;
  std::array<float, kColumns - kSolar> values{};  // Solar, TMax, TMin, Wind, Td, Pcp, ETo

  float& operator[](Column column) { return values[static_cast<size_t>(column - kSolar)]; }
  float operator[](Column column) const { return values[static_cast<size_t>(column - kSolar)]; }
};

struct DayValue {
  int day = 0;
  float value = 0.0f;
};

// Exchange sort as the stored results were made: not stable, so ties are then put in day order
// by one pass over neighbours.
void OrderByValue(std::vector<DayValue>& pairs, bool ascending) {
  const size_t n = pairs.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      const bool out_of_order =
          ascending ? pairs[i].value > pairs[j].value : pairs[i].value < pairs[j].value;
      if (out_of_order) std::swap(pairs[i], pairs[j]);
    }
  }
  for (size_t k = 1; k < n; ++k) {
    if (pairs[k - 1].value == pairs[k].value && pairs[k - 1].day > pairs[k].day) {
      std::swap(pairs[k - 1], pairs[k]);
    }
  }
}

void ReassignMonth(std::vector<Row>& rows) {
  std::vector<DayValue> by_eto;
  std::vector<DayValue> by_rain;
  for (const Row& row : rows) {
    // A day without ETo sorts as the thirstiest and so gets one of the smallest amounts.
    by_eto.push_back({row.day, IsMissing(row[kEto]) ? 999.0f : row[kEto]});
    by_rain.push_back({row.day, row[kPcp]});
  }
  OrderByValue(by_eto, true);
  OrderByValue(by_rain, false);
  for (size_t m = 0; m < rows.size(); ++m) {
    rows[static_cast<size_t>(by_eto[m].day - 1)][kPcp] = by_rain[m].value;
  }
}

// The calendar columns keep the layout's "%4.0f" of the stored results.
std::string FormatCopyRow(const Row& r) {
  return Printf(" %4.0f,%4.0f,%4.0f,%4.0f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n",
                static_cast<double>(r.year), static_cast<double>(r.month),
                static_cast<double>(r.day), static_cast<double>(r.doy), r[kSolar], r[kTMax],
                r[kTMin], r[kWind], r[kTd], r[kPcp], r[kEto]);
}

Row ParseRow(const std::string& line) {
  const auto fields = SplitFieldsFromRight(line, kColumns);
  Row row;
  row.year = ParseYear(fields[kYear]);
  row.month = ParseIntInRange(fields[kMon], "Mon", 1, 12);
  row.day = ParseIntInRange(fields[kDay], "Day", 1, 31);
  row.doy = ParseIntInRange(fields[kDoy], "DOY", 1, 366);
  for (int c = kSolar; c < kColumns; ++c) {
    row[static_cast<Column>(c)] = ParseFloat(fields[static_cast<size_t>(c)]);
  }
  return row;
}

// Length of the row's month in the row's year.
int MonthLength(const Row& row) { return DayNum(row.year)[static_cast<size_t>(row.month - 1)]; }

void CheckWholeMonth(const std::vector<Row>& rows, int length) {
  bool in_order = static_cast<int>(rows.size()) == length;
  for (size_t i = 0; in_order && i < rows.size(); ++i) {
    in_order = rows[i].day == static_cast<int>(i + 1);
  }
  if (!in_order) {
    throw InputError("the days of the month ending here are not 1 to " + std::to_string(length) +
                     " in order");
  }
}

}  // namespace

std::vector<std::string> ReassignRain(const TextFile& eto_file) {
  std::vector<std::string> copy_lines;
  std::vector<Row> month_rows;
  for (size_t i = kHeaderLineCount; i < eto_file.lines.size(); ++i) {
    if (IsBlankLine(eto_file.lines[i])) continue;
    try {
      month_rows.push_back(ParseRow(eto_file.lines[i]));
      const Row& row = month_rows.back();
      const int length = MonthLength(row);
      if (row.day != length && month_rows.size() < 31) continue;
      CheckWholeMonth(month_rows, length);
      ReassignMonth(month_rows);
      for (const Row& r : month_rows) copy_lines.push_back(FormatCopyRow(r));
      month_rows.clear();
    } catch (...) {
      RethrowWithLocation(eto_file.name, static_cast<int>(i + 1));
    }
  }
  return copy_lines;
}

}  // namespace kelvaro
