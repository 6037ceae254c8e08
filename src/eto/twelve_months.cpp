#include "eto/twelve_months.h"

#include <algorithm>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/monthly_means_file.h"
#include "weatherio/station_line.h"

namespace kelvaro {

std::array<MonthlyMeans, 12> ReadTwelveMonthsWithEto(const TextFile& file) {
  const auto first_row = file.lines.begin() + std::min<size_t>(kHeaderLineCount, file.lines.size());
  const auto rows = std::count_if(first_row, file.lines.end(),
                                  [](const std::string& line) { return !IsBlankLine(line); });
  if (rows > 12) {
    throw InputError(file.name + " holds " + std::to_string(rows) +
                     " monthly rows; twelve are needed, one per month.");
  }
  return ReadMonthlyMeans(file, MonthlyColumns::kWithEto);
}

}  // namespace kelvaro
