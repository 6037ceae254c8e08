#include "weatherio/file_naming.h"

#include <algorithm>
#include <cctype>

#include "weatherio/errors.h"
#include "weatherio/letter_case.h"
#include "weatherio/message_text.h"

namespace kelvaro {
bool IsSafeName(std::string_view text) {
  const bool has_control = std::any_of(text.begin(), text.end(), [](char c) {
    return std::iscntrl(static_cast<unsigned char>(c)) != 0;
  });
  return !has_control && text.find('/') == std::string_view::npos &&
         text.find('\\') == std::string_view::npos && text.find("..") == std::string_view::npos;
}

void CheckSafeName(std::string_view text, std::string_view what) {
  if (!IsSafeName(text)) {
    throw InputError("The " + std::string(what) + " " + Quoted(text) +
                     " may not contain a path separator, '..' or a control character");
  }
}

std::filesystem::path FindInFolder(const std::filesystem::path& folder,
                                   const std::string& file_name) {
  const std::filesystem::path exact = folder / file_name;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (EqualsIgnoringCase(entry.path().filename().string(), file_name)) return entry.path();
  }
  return exact;
}

}  // namespace kelvaro
