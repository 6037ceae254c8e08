#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/combo_box.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "viewers/file_outcome.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

// What the result finders show.
inline constexpr std::string_view kInvalidSaNumber = "An invalid SA number";
inline constexpr std::string_view kInvalidResultFileName = "An invalid input file name";
inline constexpr std::string_view kCropItemLabel = "Crop Item:";

// The crops of a study area as its crop list shows them, read from its crop file.
struct StudyAreaCrops {
  std::vector<std::string> names;      // in file order: crop 1 first
  std::optional<FileProblem> problem;  // kSa: why there is no list
};

// The crop file of the SA text as typed: "An invalid SA number" when it cannot be opened, the
// message naming file and line when a row is broken.
StudyAreaCrops ReadStudyAreaCrops(const std::filesystem::path& folder, const std::string& sa_text);

// A kCrop problem when crop `crop` (from 1) is not one of `crops`, naming the crop file and how
// many crops it holds.
std::optional<FileProblem> CropNumberProblem(const StudyAreaCrops& crops,
                                             const std::string& sa_text, int crop);

// Rebuilds a crop list from the study area's crop file: an empty first item, then the crop names
// in file order, so an item's index is the crop's number in the result file names. When there is
// no list the problem's message is added to `warning`, which is shown, and the list is left as it
// was. Returns whether the list was rebuilt.
bool RebuildCropList(const Session& session, const std::string& sa_text, ComboBox& list,
                     WarningPanel& warning);

// True when `file_name` names a readable file of the data folder. A name that could reach
// outside the folder is never looked up.
bool ResultFileExists(const std::filesystem::path& folder, const std::string& file_name);

// The finders' look-up: the file of the data folder named `file_name` in any letter case, or the
// kFile problem "An invalid input file name".
FileOutcome FindResultFile(const std::filesystem::path& folder, const std::string& file_name);

// Adds the problems' messages to `warning` and shows it; false when there were none.
bool ShowProblems(const std::vector<FileProblem>& problems, WarningPanel& warning);

// The finders' OK after the name is built: FindResultFile, its problem added to `warning` and
// shown, or the file handed to the spreadsheet and the warning hidden. Returns true when the file
// was handed over.
bool OpenFoundFile(Session& session, Spreadsheet& spreadsheet, const std::string& file_name,
                   WarningPanel& warning);

}  // namespace kelvaro
