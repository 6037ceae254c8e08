#include "viewers/data_file_entry.h"

#include "office/office_calls.h"
#include "weatherio/input_templates.h"

namespace kelvaro {
namespace {

bool IsKind(int index) {
  return index >= 0 && index < static_cast<int>(kInputTemplateKinds.size());
}

}  // namespace

std::vector<std::string> TDataFileEntry::KindItems() {
  std::vector<std::string> items;
  for (const InputTemplateKind& kind : kInputTemplateKinds) items.emplace_back(kind.ext);
  return items;
}

void TDataFileEntry::FormActivate() {
  for (FormField* field : {&InputFile, &Latitute, &Elevation}) {
    field->text.clear();
    field->visible = true;
  }
  InputFileTypeCombo = -1;
  InputFileTypeExplain.clear();
}

void TDataFileEntry::InputFileTypeComboChange(int index) {
  InputFileTypeCombo = index;
  InputFileTypeExplain =
      IsKind(index) ? std::string(kInputTemplateKinds[static_cast<size_t>(index)].explanation)
                    : std::string();
}

std::vector<std::string> TDataFileEntry::BuildLines() const {
  if (!IsKind(InputFileTypeCombo)) return {};
  return InputTemplateLines(kInputTemplateKinds[static_cast<size_t>(InputFileTypeCombo)],
                            InputFile.text, Latitute.text, Elevation.text);
}

TemplateOutcome TDataFileEntry::ButtonOKClick(bool replace) {
  lines = BuildLines();
  outcome = Write(replace);
  return outcome;
}

TemplateOutcome TDataFileEntry::Write(bool replace) {
  if (!IsKind(InputFileTypeCombo)) {
    return {TemplateResult::kRefused, {}, std::string(kSelectTemplateKind)};
  }
  const InputTemplateKind& kind = kInputTemplateKinds[static_cast<size_t>(InputFileTypeCombo)];
  const auto problems = InputTemplateProblems(kind, InputFile.text, Latitute.text, Elevation.text);
  if (!problems.empty()) {
    std::string message;
    for (const TemplateProblem& problem : problems) {
      message += (message.empty() ? "" : "\n") + problem.message;
    }
    return {TemplateResult::kRefused, {}, message};
  }
  const TemplateFile file = WriteInputTemplate(session_.data_dir, kind, InputFile.text,
                                               Latitute.text, Elevation.text, replace);
  if (file.result == TemplateWrite::kExists) {
    return {TemplateResult::kExists, file.path,
            file.path.filename().string() + " already exists in " +
                file.path.parent_path().string() + ". Replace it?"};
  }
  OpenInSpreadsheet(ExcelApplication1, file.path, session_.reporter);
  return {TemplateResult::kWritten, file.path, {}};
}

}  // namespace kelvaro
