#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kelvaro {

// "User's Guide" opens this document of the data folder in the word processor when it exists,
// and the guide that comes with the program otherwise.
inline constexpr std::string_view kUserGuideDocument = "UserGuide.doc";
inline constexpr std::string_view kUserGuideWordCaption = "UserGuide";
inline constexpr std::string_view kWordMayNotBeInstalled = "Word may not be installed";
// Title of the program's own help browser showing the bundled guide.
inline constexpr std::string_view kBundledGuideCaption = "KELVARO User's Guide";

// The user's guide document of the data folder, found without regard to letter case.
std::optional<std::filesystem::path> FindUserGuideDocument(const std::filesystem::path& data_dir);

}  // namespace kelvaro
