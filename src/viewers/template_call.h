#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "viewers/file_outcome.h"

namespace kelvaro {

inline constexpr std::string_view kSelectTemplateKind =
    "Select a three-character file extension: no template was written";

enum class TemplateResult {
  kNone,     // nothing asked yet
  kWritten,  // NAME.KIND written
  kExists,   // NAME.KIND is there; nothing written until replacing it is asked for
  kRefused,  // no kind, or texts a run would refuse (problems); nothing written
};

struct TemplateOutcome {
  TemplateResult result = TemplateResult::kNone;
  std::filesystem::path file;
  std::string message;                // the problems one a line, or the question "exists" asks
  std::vector<FileProblem> problems;  // kKind, kName, kLatitude, kElevation, in the dialog's order
};

struct TemplateRequest {
  std::string kind;  // the input kind's extension
  std::string name;
  std::string latitude;
  std::string elevation;
  bool replace = false;  // replace a file of that name
};

// The refusals of a request: an unknown kind alone, else every text a run would refuse or read
// otherwise. kRefused with the problems, or kNone when it may be written.
TemplateOutcome CheckTemplate(const TemplateRequest& request);

// Checks the request, then writes the empty template of its kind as NAME.KIND in `folder`, whole
// or not at all; an existing file is replaced only when the request says so.
TemplateOutcome MakeTemplate(const TemplateRequest& request, const std::filesystem::path& folder);

}  // namespace kelvaro
