#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// The first line of every weather and ETo file: station tag, latitude text, elevation text.
// The widths are minimum widths, so longer texts are written whole.
std::string StationLine(const std::string& tag, const std::string& latitude_text,
                        const std::string& elevation_text);

// The latitude and elevation texts of a station line (" MARIC,33.07, 361", "Davis.day,38.5,18.5"),
// trimmed, each only when it is a number. The line is split from the right as every line is, so a
// tag holding a comma stays whole. Never throws: a line that is no station line gives neither.
struct StationLineNumbers {
  std::optional<std::string> latitude;
  std::optional<std::string> elevation;
};
StationLineNumbers ParseStationLineNumbers(std::string_view line);

// Lines every reader skips before the data: station line, column names, units.
inline constexpr int kHeaderLineCount = 3;

}  // namespace kelvaro
