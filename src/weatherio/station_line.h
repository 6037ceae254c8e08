#pragma once

#include <string>

namespace kelvaro {

// The first line of every weather and ETo file: station tag, latitude text, elevation text.
// The widths are minimum widths, so longer texts are written whole.
std::string StationLine(const std::string& tag, const std::string& latitude_text,
                        const std::string& elevation_text);

// Lines every reader skips before the data: station line, column names, units.
inline constexpr int kHeaderLineCount = 3;

}  // namespace kelvaro
