#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_field.h"
#include "forms/navigator.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "viewers/template_call.h"

namespace kelvaro {

inline constexpr std::string_view kDataFileEntryCaption = "Data File Entry";
inline constexpr std::string_view kDataFileEntryTitle =
    "Select a three-character file extension for creating data files:";
inline constexpr std::string_view kTemplateNameLabel = "Input filename:";
inline constexpr std::string_view kTemplateLatitudeLabel = "Latitude (degrees):";
inline constexpr std::string_view kTemplateElevationLabel = "Elevation (meters):";

// The data-file entry dialog: an input kind, a station name, latitude and elevation; OK writes
// the empty template of that kind as NAME.KIND in the data folder, as `kelvaro-cli template`
// does, and opens it in the spreadsheet. The texts are checked as the run will read them.
class TDataFileEntry {
 public:
  TDataFileEntry(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  int InputFileTypeCombo = -1;  // index into kInputTemplateKinds; -1 = no kind selected
  FormField InputFile;
  FormField Latitute;
  FormField Elevation;
  std::string InputFileTypeExplain;
  std::vector<std::string> lines;  // the hidden text buffer OK fills
  TemplateOutcome outcome;         // of the last OK

  // The items of the kind list, in order.
  static std::vector<std::string> KindItems();

  void FormActivate();
  void InputFileTypeComboChange(int index);
  // Builds the lines of the selected kind and writes them; an existing file is replaced only
  // when `replace` is given (the user answered the question "exists" asks). The outcome is also
  // kept in `outcome`. A spreadsheet that cannot be reached is reported as the system does.
  TemplateOutcome ButtonOKClick(bool replace = false);
  void ButtonCancelClick() { navigator_.Close(Dialog::TDataFileEntry); }

  // The lines OK would build; empty without a kind.
  std::vector<std::string> BuildLines() const;

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

}  // namespace kelvaro
