#include "eto/operation_files.h"

#include "weatherio/file_naming.h"
#include "weatherio/output_file.h"
#include "weatherio/station_line.h"

namespace kelvaro {

std::string SafeFileStem(const RunParameters& run) {
  std::string stem = run.FileStem();
  CheckSafeName(stem, "station name");
  return stem;
}

std::optional<TextFile> ReadInputOrReport(const std::string& file_name, Session& session) {
  auto input = ReadTextFile(FindInFolder(session.data_dir, file_name));
  if (!input) session.reporter.MessageBox("Couldn't find " + file_name + ".");
  return input;
}

std::optional<LineReader> OpenInputOrReport(const std::string& file_name, Session& session) {
  auto input = LineReader::Open(FindInFolder(session.data_dir, file_name));
  if (!input) session.reporter.MessageBox("Couldn't find " + file_name + ".");
  return input;
}

std::string ResultStationLine(const std::string& tag, const RunParameters& run) {
  return StationLine(tag, run.LatitudeText(), run.ElevationText());
}

void WriteResult(const std::string& file_name, std::string_view text, Session& session) {
  WriteWholeFile(FindInFolder(session.data_dir, file_name), text);
}

}  // namespace kelvaro
