#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "office/spreadsheet.h"
#include "office/word_processor.h"
#include "session/reporter.h"

namespace kelvaro {

// What the user is shown when an office application cannot be reached; files written before
// stay where they are.
inline constexpr std::string_view kExcelMissing = "Excel may not be installed";
inline constexpr std::string_view kWordMissing = "Word may not be installed";

// When the spreadsheet cannot show a window: "no display to show the spreadsheet: the file is "
// and the file's full path.
std::string NoDisplayText(const std::filesystem::path& file);

inline constexpr std::string_view kUserGuideCaption = "UserGuide";
inline constexpr std::string_view kUserGuideFile = "UserGuide.doc";

// Connect, read and then set the visibility, open the file as a workbook. Reports kExcelMissing
// and returns false when the spreadsheet cannot be reached, NoDisplayText when it cannot show a
// window.
bool OpenInSpreadsheet(Spreadsheet& spreadsheet, const std::filesystem::path& file,
                       Reporter& reporter);

// The user's guide "UserGuide.doc" of the data folder; reports kWordMissing and returns false
// when the word processor cannot be reached.
bool OpenUserGuide(WordProcessor& word, const std::filesystem::path& data_dir, Reporter& reporter);

}  // namespace kelvaro
