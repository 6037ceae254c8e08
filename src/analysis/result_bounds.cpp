#include "analysis/result_bounds.h"

#include <cmath>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/row_format.h"

namespace kelvaro {

void CheckResultValue(std::string_view column, float value, const PhysicalBounds& bounds) {
  if (value >= bounds.lowest && value <= bounds.highest) return;
  if (!std::isfinite(value)) throw InputError(std::string(column) + " is not a finite number");
  throw InputError(Printf("%.*s %g is outside %g..%g %.*s", static_cast<int>(column.size()),
                          column.data(), static_cast<double>(value),
                          static_cast<double>(bounds.lowest), static_cast<double>(bounds.highest),
                          static_cast<int>(bounds.unit.size()), bounds.unit.data()));
}

}  // namespace kelvaro
