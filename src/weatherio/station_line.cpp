#include "weatherio/station_line.h"

#include "weatherio/row_format.h"

namespace kelvaro {

std::string StationLine(const std::string& tag, const std::string& latitude_text,
                        const std::string& elevation_text) {
  return Printf(" %5s,%4s,%4s\n", tag.c_str(), latitude_text.c_str(), elevation_text.c_str());
}

}  // namespace kelvaro
