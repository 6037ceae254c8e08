#include "reports/data_file_entry.h"

#include "reports/office_calls.h"
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

void TDataFileEntry::ButtonOKClick() {
  lines = BuildLines();
  NewInputSheet(ExcelApplication1, lines);
}

}  // namespace kelvaro
