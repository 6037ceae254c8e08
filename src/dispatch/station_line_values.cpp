#include "dispatch/station_line_values.h"

#include <cmath>
#include <vector>

#include "dispatch/input_kinds.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

// Differences below these are the rounding of the files (elevations are written in whole
// metres).
constexpr float kLatitudeTolerance = 0.01f;
constexpr float kElevationTolerance = 1.0f;

std::optional<float> NumberOf(const std::string& text) {
  try {
    return ParseFloat(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// The number the operations use: that of the field's first five characters.
std::optional<float> UsedNumber(const std::string& field_text) {
  return NumberOf(FirstCharacters(field_text, 5));
}

void CheckOne(const char* what, const std::optional<std::string>& line_text,
              const std::string& source, float tolerance, const std::string& file_name,
              std::string& field, std::vector<std::string>& taken,
              std::vector<std::string>& warnings) {
  if (!line_text) return;
  if (field.empty()) {
    field = *line_text;
    taken.push_back(std::string(what) + " " + *line_text);
    return;
  }
  const auto used = UsedNumber(field);
  if (!used || std::fabs(*used - *NumberOf(*line_text)) <= tolerance) return;
  warnings.push_back("the " + std::string(what) + " " + Quoted(field) + " (" + source +
                     ") differs from " + *line_text + " on the first line of " + file_name +
                     "; the run uses " + FirstCharacters(field, 5));
}

}  // namespace

std::optional<StationLineValues> ReadStationLineValues(const std::filesystem::path& path) {
  auto reader = LineReader::Open(path);
  std::string first;
  if (!reader || !reader->Next(first)) return std::nullopt;
  const StationLineNumbers numbers = ParseStationLineNumbers(first);
  StationLineValues values{reader->name(), numbers.latitude, numbers.elevation};
  if (!values.latitude && !values.elevation) return std::nullopt;
  return values;
}

StationLineFindings CheckAgainstStationLine(const StationLineValues& line,
                                            const FieldSources& sources, RunParameters& run) {
  StationLineFindings findings;
  std::vector<std::string> taken;
  CheckOne("latitude", line.latitude, sources.latitude, kLatitudeTolerance, line.file_name,
           run.Latitude, taken, findings.warnings);
  CheckOne("elevation", line.elevation, sources.elevation, kElevationTolerance, line.file_name,
           run.Elevation, taken, findings.warnings);
  if (taken.empty()) return findings;
  findings.note = "Using the " + taken.front() + (taken.size() > 1 ? " and the " + taken[1] : "") +
                  " from the first line of " + line.file_name;
  return findings;
}

std::optional<StationLineValues> StationLineOf(const RunParameters& run,
                                               const std::filesystem::path& folder) {
  const auto kind = FindInputKind(run.ext);
  if (!kind || !kind->has_station_line || run.Station.empty() || !IsSafeName(run.Station)) {
    return std::nullopt;
  }
  return ReadStationLineValues(FindInFolder(folder, run.FileStem() + "." + run.Extension()));
}

}  // namespace kelvaro
