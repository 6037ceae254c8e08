#include "weatherio/input_templates.h"

#include <algorithm>

namespace kelvaro {

std::optional<InputTemplateKind> FindInputTemplateKind(std::string_view ext) {
  const auto found = std::find_if(kInputTemplateKinds.begin(), kInputTemplateKinds.end(),
                                  [ext](const InputTemplateKind& kind) { return kind.ext == ext; });
  if (found == kInputTemplateKinds.end()) return std::nullopt;
  return *found;
}

std::vector<std::string> InputTemplateLines(const InputTemplateKind& kind, const std::string& name,
                                            const std::string& latitude,
                                            const std::string& elevation) {
  std::vector<std::string> lines;
  lines.push_back(name + "." + std::string(kind.ext) + "," + latitude + "," + elevation);
  lines.emplace_back(kind.column_line);
  lines.emplace_back(kind.unit_line);
  if (kind.rows.daily) {
    for (int doy = 1; doy <= kTemplateDays; ++doy) lines.push_back(",,," + std::to_string(doy));
  } else {
    for (int month = 1; month <= 12; ++month) {
      lines.push_back(std::to_string(month) + std::string(kind.rows.month_tail));
    }
  }
  return lines;
}

}  // namespace kelvaro
