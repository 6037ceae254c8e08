#include "analysis/result_readers.h"

#include "analysis/result_bounds.h"
#include "balance/irrigation_event_files.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"

namespace kelvaro {
namespace {

constexpr int kDailyBalanceColumns = 15;
constexpr int kMonthRows = 12;
constexpr int kDaysInStatistics = 366;

// The number of fields of a line: one more than its commas.
int FieldCount(const std::string& line) {
  int commas = 0;
  for (char c : line) commas += c == ',' ? 1 : 0;
  return commas + 1;
}

// Columns 1..7 of a row that starts with a month or day number.
std::array<float, 7> SevenColumns(const std::string& line, int at_least) {
  const int columns = FieldCount(line);
  if (columns < at_least) {
    throw InputError("expected " + std::to_string(at_least) + " fields, found " +
                     std::to_string(columns));
  }
  const auto f = SplitFieldsFromRight(line, columns);
  std::array<float, 7> values{};
  for (size_t c = 0; c < 7; ++c) values[c] = ParseFloat(f[c + 1]);
  return values;
}

}  // namespace

DailyBalanceFile ReadDailyBalance(const TextFile& file) {
  DailyBalanceFile balance;
  if (!file.lines.empty()) {
    const std::string& first = file.lines[0];
    balance.crop_name = std::string(Trim(first.substr(0, first.rfind(','))));
  }
  balance.days = ParseDataLines(file, [](const std::string& line) {
    const auto f = SplitFieldsFromRight(line, kDailyBalanceColumns);
    return BalanceDay{ParseInt(Trim(f[0])),
                      ParseIntInRange(f[1], "DOY", 1, 366),
                      ParseWeatherValue(f[5], "ETo", kEtoBounds),
                      ParseFloat(f[6]),
                      ParseFloat(f[7]),
                      ParseWeatherValue(f[8], "Pcp", kDailyRainBounds),
                      ParseFloat(f[9]),
                      ParseFloat(f[10])};
  });
  return balance;
}

RecordedIrrigation ParseIrrigationEvent(const std::string& line) {
  const auto f = SplitFieldsFromRight(line, kIrrigationEventColumns);
  const std::string kind(Trim(f[4]));
  if (kind != kPreIrrigationText && kind != kIrrigationText) {
    throw InputError("'" + kind + "' is neither " + kPreIrrigationText + " nor " + kIrrigationText);
  }
  const RecordedIrrigation event{ParseInt(Trim(f[0])), ParseYear(f[2]),
                                 ParseIntInRange(f[3], "DOY", 1, 366), kind == kPreIrrigationText,
                                 ParseFloat(f[5])};
  CheckResultValue("Depth", event.depth_mm, kIrrigationDepthBounds);
  return event;
}

std::vector<RecordedIrrigation> ReadIrrigationEvents(const TextFile& file) {
  return ParseDataLines(file, ParseIrrigationEvent);
}

GeneratedMonthlyMeans ReadGeneratedMonthlyMeans(const TextFile& file) {
  const auto rows =
      ParseDataLines(file, [](const std::string& line) { return SevenColumns(line, 8); });
  if (rows.size() < 2 * kMonthRows) {
    throw InputError(file.name + " holds " + std::to_string(rows.size()) +
                     " monthly rows, not the generator's two blocks of 12; the weather "
                     "statistics may have replaced it");
  }
  GeneratedMonthlyMeans means;
  for (size_t m = 0; m < kMonthRows; ++m) {
    means.simulated[m] = rows[m];
    means.rescaled[m] = rows[m + kMonthRows];
  }
  return means;
}

DailyColumns7 ReadDailyStatistics(const TextFile& file) {
  auto rows = ParseDataLines(file, [](const std::string& line) { return SevenColumns(line, 8); });
  if (rows.size() < kDaysInStatistics) {
    throw InputError(file.name + " is cut short: it holds " + std::to_string(rows.size()) +
                     " of its 366 days");
  }
  rows.resize(kDaysInStatistics);
  return rows;
}

}  // namespace kelvaro
