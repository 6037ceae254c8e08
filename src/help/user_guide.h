#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kelvaro {

// Title of the program's own help browser, which shows the guide that comes with the program
// when the data folder holds no guide document.
inline constexpr std::string_view kBundledGuideCaption = "KELVARO User's Guide";

// The user's guide document of the data folder ("UserGuide.doc"), found without regard to
// letter case.
std::optional<std::filesystem::path> FindUserGuideDocument(const std::filesystem::path& data_dir);

}  // namespace kelvaro
