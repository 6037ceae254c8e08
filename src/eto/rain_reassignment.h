#pragma once

#include <string>
#include <vector>

#include "weatherio/text_file.h"

namespace kelvaro {

// Re-assigns each month's generated rain so the largest amounts fall on the days of lowest ETo,
// reading the rows of an eto file (three header lines, then Year..ETo). Returns the data lines of
// the cpy file, whole months only: a last month that does not reach its final day is dropped.
// A month whose days are not 1..n in order is refused with InputError naming the line.
std::vector<std::string> ReassignRain(const TextFile& eto_file);

}  // namespace kelvaro
