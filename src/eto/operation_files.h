#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/text_file.h"

namespace kelvaro {

// FileStem, refused with InputError when it could name a file outside the data folder.
std::string SafeFileStem(const RunParameters& run);

// An operation's input file in the data folder (letter case ignored). When it cannot be opened
// the operation's failure "Couldn't find <name>." is reported and nothing is returned.
std::optional<TextFile> ReadInputOrReport(const std::string& file_name, Session& session);

// The same input opened to be read one line at a time, for files that may be long.
std::optional<LineReader> OpenInputOrReport(const std::string& file_name, Session& session);

// The station line of a result: the tag, then the run's latitude and elevation texts.
std::string ResultStationLine(const std::string& tag, const RunParameters& run);

// Writes a whole result file into the data folder, replacing the file of that name in any
// letter case; it appears only once complete.
void WriteResult(const std::string& file_name, std::string_view text, Session& session);

}  // namespace kelvaro
