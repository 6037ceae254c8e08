#include "eto/rain_reassignment.h"

#include <array>
#include <utility>

#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"

namespace kelvaro {
namespace {

constexpr int kColumns = 11;
enum Column { kYear, kMon, kDay, kDoy, kSolar, kTMax, kTMin, kWind, kTd, kPcp, kEto };
using Row = std::array<float, kColumns>;

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
    const int day = static_cast<int>(row[kDay]);
    // A day without ETo sorts as the thirstiest and so gets one of the smallest amounts.
    by_eto.push_back({day, IsMissing(row[kEto]) ? 999.0f : row[kEto]});
    by_rain.push_back({day, row[kPcp]});
  }
  OrderByValue(by_eto, true);
  OrderByValue(by_rain, false);
  for (size_t m = 0; m < rows.size(); ++m) {
    rows[static_cast<size_t>(by_eto[m].day - 1)][kPcp] = by_rain[m].value;
  }
}

std::string FormatCopyRow(const Row& r) {
  return Printf(" %4.0f,%4.0f,%4.0f,%4.0f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", r[kYear],
                r[kMon], r[kDay], r[kDoy], r[kSolar], r[kTMax], r[kTMin], r[kWind], r[kTd], r[kPcp],
                r[kEto]);
}

Row ParseRow(const std::string& line) {
  const auto fields = SplitFieldsFromRight(line, kColumns);
  Row row{};
  for (size_t c = 0; c < fields.size(); ++c) row[c] = ParseFloat(fields[c]);
  return row;
}

// Length of the row's month in the row's year; refuses a month outside 1..12.
int MonthLength(const Row& row) {
  const int month = static_cast<int>(row[kMon]);
  if (month < 1 || month > 12) throw InputError("month " + std::to_string(month) + " is not 1..12");
  return DayNum(static_cast<int>(row[kYear]))[static_cast<size_t>(month - 1)];
}

void CheckWholeMonth(const std::vector<Row>& rows, int length) {
  bool in_order = static_cast<int>(rows.size()) == length;
  for (size_t i = 0; in_order && i < rows.size(); ++i) {
    in_order = static_cast<int>(rows[i][kDay]) == static_cast<int>(i + 1);
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
      if (static_cast<int>(row[kDay]) != length && month_rows.size() < 31) continue;
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
