#include "session/run_parameters.h"

#include "weatherio/number_parse.h"

namespace kelvaro {

std::string RunParameters::FileStem() const { return Station.substr(0, 5); }

std::string RunParameters::Extension() const { return ext.substr(0, 3); }

std::string RunParameters::LatitudeText() const { return Latitude.substr(0, 5); }

std::string RunParameters::ElevationText() const { return Elevation.substr(0, 5); }

std::string RunParameters::SA5() const {
  return SA.size() >= 5 ? SA : std::string(5 - SA.size(), '0') + SA;
}

std::string RunParameters::SAFileName() const { return "SA" + SA5() + ".CSV"; }

int RunParameters::YearsToSimulate() const { return ParseInt(Years.substr(0, 2)); }

}  // namespace kelvaro
