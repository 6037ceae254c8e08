#include "viewers/template_call.h"

#include "weatherio/input_templates.h"

namespace kelvaro {
namespace {

FileField FieldOf(TemplateField field) {
  switch (field) {
    case TemplateField::kName:
      return FileField::kName;
    case TemplateField::kLatitude:
      return FileField::kLatitude;
    case TemplateField::kElevation:
      break;
  }
  return FileField::kElevation;
}

}  // namespace

TemplateOutcome CheckTemplate(const TemplateRequest& request) {
  TemplateOutcome outcome;
  const auto kind = FindInputTemplateKind(request.kind);
  if (!kind) {
    outcome.problems.push_back({FileField::kKind, std::string(kSelectTemplateKind)});
  } else {
    for (const TemplateProblem& problem :
         InputTemplateProblems(*kind, request.name, request.latitude, request.elevation)) {
      outcome.problems.push_back({FieldOf(problem.field), problem.message});
    }
  }
  for (const FileProblem& problem : outcome.problems) {
    outcome.message += (outcome.message.empty() ? "" : "\n") + problem.message;
  }
  if (!outcome.problems.empty()) outcome.result = TemplateResult::kRefused;
  return outcome;
}

TemplateOutcome MakeTemplate(const TemplateRequest& request, const std::filesystem::path& folder) {
  TemplateOutcome outcome = CheckTemplate(request);
  if (outcome.result == TemplateResult::kRefused) return outcome;
  const TemplateFile file =
      WriteInputTemplate(folder, *FindInputTemplateKind(request.kind), request.name,
                         request.latitude, request.elevation, request.replace);
  outcome.file = file.path;
  if (file.result == TemplateWrite::kExists) {
    outcome.result = TemplateResult::kExists;
    outcome.message = file.path.filename().string() + " already exists in " +
                      file.path.parent_path().string() + ". Replace it?";
  } else {
    outcome.result = TemplateResult::kWritten;
  }
  return outcome;
}

}  // namespace kelvaro
