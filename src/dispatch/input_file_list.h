#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// One input file of a data folder, as the run dialog's station list shows it.
struct InputFileEntry {
  std::string file_name;  // "MARIC.day"
  std::string station;    // the name without its extension: "MARIC"
  // The operations read the file named by the first five characters of the station: a longer
  // name ("Maricopa.day") is read as another file ("Maric.day").
  bool read_by_its_name = true;
};

// Every regular file of `folder` whose extension is `ext` (ignoring letter case), sorted by name
// ignoring letter case. Nothing for a folder that cannot be read.
std::vector<InputFileEntry> InputFilesOfKind(const std::filesystem::path& folder,
                                             std::string_view ext);

}  // namespace kelvaro
