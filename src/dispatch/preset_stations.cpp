#include "dispatch/preset_stations.h"

#include "weatherio/letter_case.h"

namespace kelvaro {

const PresetStation* FindPresetStation(std::string_view name) {
  for (const PresetStation& preset : kPresetStations) {
    if (EqualsIgnoringCase(preset.caption, name) || EqualsIgnoringCase(preset.station, name)) {
      return &preset;
    }
  }
  return nullptr;
}

}  // namespace kelvaro
