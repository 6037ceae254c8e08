#include "weatherio/station_line.h"

#include <vector>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr int kStationLineFields = 3;  // tag, latitude, elevation

std::optional<std::string> NumberField(const std::string& field) {
  std::string text(Trim(field));
  try {
    ParseFloat(text);
    return text;
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

std::string StationLine(const std::string& tag, const std::string& latitude_text,
                        const std::string& elevation_text) {
  return Printf(" %5s,%4s,%4s\n", tag.c_str(), latitude_text.c_str(), elevation_text.c_str());
}

StationLineNumbers ParseStationLineNumbers(std::string_view line) {
  std::vector<std::string> fields;
  try {
    fields = SplitFieldsFromRight(line, kStationLineFields);
  } catch (const InputError&) {
    return {};
  }
  return {NumberField(fields[1]), NumberField(fields[2])};
}

}  // namespace kelvaro
