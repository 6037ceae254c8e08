#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "forms/combo_box.h"
#include "forms/warning_panel.h"
#include "reports/spreadsheet.h"
#include "session/session.h"

namespace kelvaro {

// What the result finders show.
inline constexpr std::string_view kInvalidSaNumber = "An invalid SA number";
inline constexpr std::string_view kInvalidResultFileName = "An invalid input file name";
inline constexpr std::string_view kCropItemLabel = "Crop Item:";

// SA5: an SA text of 1 to 4 characters padded on the left with zeros to five ("7" -> "00007");
// any other length is used unchanged.
std::string PaddedSaText(const std::string& sa_text);

// kkk: a crop list index as digits, padded on the left with zeros when it is one or two
// characters long ("1" -> "001", "-1" -> "0-1"); longer numbers are used as they are, as the
// water balance names the results of crop 1000 and beyond.
std::string CropNumberText(int index);

// "SA" + SA5 + letter + kkk + "." + ext: a per-crop result file. The letter is "C" in the
// finders and "c" in the output viewer; file names match without regard to case.
std::string CropResultName(const std::string& sa5, const std::string& kkk, std::string_view ext,
                           char letter = 'C');

// "SA" + SA5 + ".csv": the study area's crop file, the source of the crop list.
std::string CropListSource(const std::string& sa5);

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
