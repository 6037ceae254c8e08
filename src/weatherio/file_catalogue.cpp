#include "weatherio/file_catalogue.h"

namespace kelvaro {

std::optional<FileKind> FindFileKind(std::string_view ext) {
  for (const FileKind& kind : kFileCatalogue) {
    if (kind.ext == ext) return kind;
  }
  return std::nullopt;
}

}  // namespace kelvaro
