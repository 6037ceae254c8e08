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
  const std::string kind =
      IsKind(InputFileTypeCombo)
          ? std::string(kInputTemplateKinds[static_cast<size_t>(InputFileTypeCombo)].ext)
          : std::string();
  outcome = MakeTemplate({kind, InputFile.text, Latitute.text, Elevation.text, replace},
                         session_.data_dir);
  if (outcome.result == TemplateResult::kWritten) {
    OpenInSpreadsheet(ExcelApplication1, outcome.file, session_.reporter);
  }
  return outcome;
}

}  // namespace kelvaro
