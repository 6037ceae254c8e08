#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/form_field.h"
#include "forms/navigator.h"
#include "reports/spreadsheet.h"

namespace kelvaro {

inline constexpr std::string_view kDataFileEntryCaption = "Data File Entry";
inline constexpr std::string_view kDataFileEntryTitle =
    "Select a three-character file extension for creating data files:";
inline constexpr std::string_view kTemplateNameLabel = "Input filename:";
inline constexpr std::string_view kTemplateLatitudeLabel = "Latitude (degrees):";
inline constexpr std::string_view kTemplateElevationLabel = "Elevation (meters):";

// The data-file entry dialog: an input kind, a station name, latitude and elevation; OK puts
// the empty template of that kind on a new spreadsheet sheet. The three texts are not checked:
// they are copied into the template's first line as typed.
class TDataFileEntry {
 public:
  TDataFileEntry(Spreadsheet& spreadsheet, Navigator& navigator)
      : ExcelApplication1(spreadsheet), navigator_(navigator) {}

  int InputFileTypeCombo = -1;  // index into kInputTemplateKinds; -1 = no kind selected
  FormField InputFile;
  FormField Latitute;
  FormField Elevation;
  std::string InputFileTypeExplain;
  std::vector<std::string> lines;  // the hidden text buffer OK fills

  // The items of the kind list, in order.
  static std::vector<std::string> KindItems();

  void FormActivate();
  void InputFileTypeComboChange(int index);
  // Builds the lines of the selected kind (none without a kind) and hands them to the
  // spreadsheet. A spreadsheet that cannot be reached throws InputError.
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TDataFileEntry); }

  // The lines OK would build; empty without a kind.
  std::vector<std::string> BuildLines() const;

 private:
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

}  // namespace kelvaro
