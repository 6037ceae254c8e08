#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "forms/combo_box.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// What the result finders show.
inline constexpr std::string_view kInvalidSaNumber = "An invalid SA number";
inline constexpr std::string_view kInvalidResultFileName = "An invalid input file name";
inline constexpr std::string_view kCropItemLabel = "Crop Item:";

// Rebuilds a crop list from the study area's crop file: an empty first item, then the crop names
// in file order, so an item's index is the crop's number in the result file names. When the crop
// file cannot be opened, "An invalid SA number" is added to `warning`, which is shown, and the
// list is left as it was; a crop file with a broken row adds the message naming its file and
// line. Returns whether the list was rebuilt.
bool RebuildCropList(const Session& session, const std::string& sa_text, ComboBox& list,
                     WarningPanel& warning);

// True when `file_name` names a readable file of the data folder. A name that could reach
// outside the folder is never looked up.
bool ResultFileExists(const std::filesystem::path& folder, const std::string& file_name);

// The finders' OK after the name is built: an existence test ("An invalid input file name" added
// and shown when it fails), then the file handed to the spreadsheet and the warning hidden.
// Returns true when the file was handed over.
bool OpenFoundFile(Session& session, Spreadsheet& spreadsheet, const std::string& file_name,
                   WarningPanel& warning);

}  // namespace kelvaro
