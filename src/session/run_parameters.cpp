#include "session/run_parameters.h"

#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

std::string RunParameters::FileStem() const { return FirstCharacters(Station, 5); }

std::string RunParameters::Extension() const { return FirstCharacters(ext, 3); }

std::string RunParameters::LatitudeText() const { return FirstCharacters(Latitude, 5); }

std::string RunParameters::ElevationText() const { return FirstCharacters(Elevation, 5); }

std::string RunParameters::SA5() const { return PaddedSaText(SA); }

std::string RunParameters::SAFileName() const { return SaCropFileName(SA5()); }

int RunParameters::YearsToSimulate() const { return ParseInt(FirstCharacters(Years, 2)); }

}  // namespace kelvaro
