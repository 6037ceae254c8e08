#pragma once

#include <string>

namespace kelvaro {

// The run dialog's texts exactly as typed; each operation converts what it needs.
struct RunParameters {
  std::string Station;
  std::string Latitude;
  std::string Elevation;
  std::string SA;
  std::string Years;
  std::string FetchVal;
  std::string ext;
  std::string DataReady = "no";

  // "First n characters" count characters, not bytes: "Zürich" gives the stem "Züric".
  // First five characters of Station: the stem of every file an operation reads or writes.
  std::string FileStem() const;
  // First three characters of ext.
  std::string Extension() const;
  // First five characters of Latitude and Elevation, as written into station lines.
  std::string LatitudeText() const;
  std::string ElevationText() const;
  // SA padded on the left with zeros to five characters; longer texts unchanged.
  std::string SA5() const;
  // "SA" + SA5 + ".CSV", the study area's crop file.
  std::string SAFileName() const;
  // Number of years to simulate: the first two characters of Years as an integer.
  int YearsToSimulate() const;
};

}  // namespace kelvaro
