#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "dispatch/run_dialog.h"
#include "session/reporter.h"

namespace kelvaro::cli {

// Latitude and elevation as the first line of an input file holds them (" MARIC,33.07, 361"):
// the texts as written, each only when it is a number.
struct StationLineValues {
  std::string file_name;
  std::optional<std::string> latitude;
  std::optional<std::string> elevation;
};

// Nothing when the file cannot be read or its first line holds neither number.
std::optional<StationLineValues> ReadStationLineValues(const std::filesystem::path& path);

// Where a field's text came from, for the messages: "--lat", "--preset Davis", or empty when
// nothing filled it.
struct FieldSources {
  std::string latitude;
  std::string elevation;
};

// Compares the run dialog's latitude and elevation with the input file's station line: an empty
// field takes the line's value (and says so on stderr), a value that differs from the line's is
// kept and warned about. The operations take the numbers from the fields, never from the file,
// so a wrong sign or a typo would otherwise pass unnoticed.
void CheckAgainstStationLine(const StationLineValues& line, const FieldSources& sources,
                             TGetData& dialog, Reporter& reporter);

}  // namespace kelvaro::cli
