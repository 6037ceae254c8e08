#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "session/run_parameters.h"

namespace kelvaro {

// Latitude and elevation as the first line of an input file holds them (" MARIC,33.07, 361"):
// the texts as written, each only when it is a number.
struct StationLineValues {
  std::string file_name;
  std::optional<std::string> latitude;
  std::optional<std::string> elevation;
};

// Nothing when the file cannot be read or its first line holds neither number.
std::optional<StationLineValues> ReadStationLineValues(const std::filesystem::path& path);

// The station line of the run's input file in `folder`, when its kind has one, the station is a
// safe name and the file is there.
std::optional<StationLineValues> StationLineOf(const RunParameters& run,
                                               const std::filesystem::path& folder);

// Where a field's text came from, for the messages: "--lat", "--preset Davis", or empty when
// nothing filled it.
struct FieldSources {
  std::string latitude;
  std::string elevation;
};

// What the comparison with the station line found: the note of the values taken ("Using the
// latitude 33.07 from the first line of MARIC.day"), and warnings of typed values that differ.
struct StationLineFindings {
  std::string note;
  std::vector<std::string> warnings;
};

// Compares the run's latitude and elevation with the input file's station line: an empty field
// takes the line's value (and the note says so), a value that differs from the line's is kept
// and warned about. The operations take the numbers from the fields, never from the file, so a
// wrong sign or a typo would otherwise pass unnoticed.
StationLineFindings CheckAgainstStationLine(const StationLineValues& line,
                                            const FieldSources& sources, RunParameters& run);

}  // namespace kelvaro
