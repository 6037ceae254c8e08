#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

// Refuses a name built from user text that could reach outside the data folder: a path
// separator, "..", or a control character. Throws InputError naming what was typed and `what`
// it was meant to be ("station name", "SA number").
void CheckSafeName(std::string_view text, std::string_view what);

// True when CheckSafeName would accept the text.
bool IsSafeName(std::string_view text);

// The path of `file_name` in `folder`. Names are matched without regard to letter case, so a
// file written as "SA00001.csv" is found when "SA00001.CSV" is asked for; when no file matches,
// the name as given. Writers use it too, so they replace the file readers find.
std::filesystem::path FindInFolder(const std::filesystem::path& folder,
                                   const std::string& file_name);

}  // namespace kelvaro
