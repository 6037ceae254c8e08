#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// The text of a request a look-up or computation of files refused, so that a front end can point
// at it without reading the message.
enum class FileField { kKind, kSa, kCrop, kStation, kName, kLatitude, kElevation, kFile };

struct FileProblem {
  FileField field;
  std::string message;  // the system's text, as the dialogs show it
};

// What a typed call of the finders, viewers, statistics, templates or the normal year did: the
// problems that refused it in the dialog's order, or the file to show and the files written.
// `failure` is a message the dialogs show in a box (a file that went missing on the way).
struct FileOutcome {
  std::vector<FileProblem> problems;
  std::optional<std::filesystem::path> file;
  std::vector<std::filesystem::path> written;
  std::optional<std::string> failure;

  bool found() const { return file.has_value(); }
};

}  // namespace kelvaro
