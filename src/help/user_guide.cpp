#include "help/user_guide.h"

#include <string>

#include "office/office_calls.h"
#include "weatherio/file_naming.h"

namespace kelvaro {

std::optional<std::filesystem::path> FindUserGuideDocument(const std::filesystem::path& data_dir) {
  const auto path = FindInFolder(data_dir, std::string(kUserGuideFile));
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  return path;
}

}  // namespace kelvaro
