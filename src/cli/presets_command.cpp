#include "cli/presets_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "cli/command_status.h"
#include "cli/text_table.h"
#include "dispatch/preset_stations.h"

namespace kelvaro::cli {
namespace {

constexpr TableColumn kPresetColumns[] = {
    {"Region", 6, true}, {"Name", 20, true}, {"Station", 14, true},
    {"Latitude", 8},     {"Elevation", 9},
};

int PrintPresets(OutputFormat format) {
  std::vector<TableRow> rows;
  for (const PresetStation& preset : kPresetStations) {
    rows.push_back({std::string(preset.region), std::string(preset.caption),
                    std::string(preset.station), std::string(preset.latitude),
                    std::string(preset.elevation)});
  }
  PrintTable(kPresetColumns, rows, format, std::cout);
  return kExitDone;
}

}  // namespace

void AddPresetsCommand(CLI::App& app) {
  auto format = std::make_shared<OutputFormat>(OutputFormat::kTable);
  CLI::App* presets = app.add_subcommand(
      "presets", "List the preset stations `run --preset` knows, by hydrologic region");
  AddFormatOption(*presets, *format);
  presets->footer(
      "`run --preset NAME` (the Name or the Station column) fills --station, --lat (degrees) and "
      "--elev (metres) from this list and --years with 30. The station's weather file "
      "(its first five characters and the kind, for example Davis.mon) must be in --dir.");
  presets->callback([format] { RunCommand([&] { return PrintPresets(*format); }); });
}

}  // namespace kelvaro::cli
