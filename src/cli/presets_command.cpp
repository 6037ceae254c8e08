#include "cli/presets_command.h"

#include <cstdio>
#include <string>

#include "dispatch/preset_stations.h"

namespace kelvaro::cli {

void AddPresetsCommand(CLI::App& app) {
  CLI::App* presets =
      app.add_subcommand("presets", "List the preset stations of the Hydrologic Regions menu");
  presets->callback([] {
    std::printf("%-6s  %-20s  %-14s  %8s  %9s\n", "Region", "Menu caption", "Station", "Latitude",
                "Elevation");
    for (const PresetStation& preset : kPresetStations) {
      std::printf("%-6s  %-20s  %-14s  %8s  %9s\n", std::string(preset.region).c_str(),
                  std::string(preset.caption).c_str(), std::string(preset.station).c_str(),
                  std::string(preset.latitude).c_str(), std::string(preset.elevation).c_str());
    }
  });
}

}  // namespace kelvaro::cli
