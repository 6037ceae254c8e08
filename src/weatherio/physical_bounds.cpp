#include "weatherio/physical_bounds.h"

#include <cmath>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {

void CheckWeatherValue(std::string_view column, float value, const PhysicalBounds& bounds) {
  if (IsMissing(value) || (value >= bounds.lowest && value <= bounds.highest)) return;
  if (!std::isfinite(value)) throw InputError(std::string(column) + " is not a finite number");
  throw InputError(Printf("%.*s %g is outside %g..%g %.*s", static_cast<int>(column.size()),
                          column.data(), static_cast<double>(value),
                          static_cast<double>(bounds.lowest), static_cast<double>(bounds.highest),
                          static_cast<int>(bounds.unit.size()), bounds.unit.data()));
}

float ParseWeatherValue(std::string_view text, std::string_view column,
                        const PhysicalBounds& bounds) {
  const float value = ParseColumnFloat(text, column);
  CheckWeatherValue(column, value, bounds);
  return value;
}

int32_t ParseIntInRange(std::string_view text, std::string_view column, int32_t lowest,
                        int32_t highest) {
  const int32_t value = ParseColumnInt(text, column);
  if (value < lowest || value > highest) {
    throw InputError(std::string(column) + " " + std::to_string(value) + " is outside " +
                     std::to_string(lowest) + ".." + std::to_string(highest));
  }
  return value;
}

int32_t ParseYear(std::string_view text) {
  return ParseIntInRange(text, "Year", kFirstYear, kLastYear);
}

}  // namespace kelvaro
