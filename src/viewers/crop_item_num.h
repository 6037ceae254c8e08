#pragma once

#include <string>
#include <string_view>

#include "balance/normal_year.h"
#include "forms/combo_box.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"

namespace kelvaro {

inline constexpr std::string_view kCropItemNumCaption =
    "mse file extension - daily mean water balance by Study Area";

// Writes the normal year of one crop from its daily file `daily_file_name` and, when written,
// opens `files.output_name` in the spreadsheet. A missing daily file adds "An invalid input file
// name" to `warning`; a missing crop file is reported as "Couldn't find " + `crop_file_text` + ".".
// Returns true when the file was written.
bool WriteAndOpenNormalYear(const NormalYearFiles& files, const std::string& crop_file_text,
                            Session& session, Spreadsheet& spreadsheet, WarningPanel& warning);

// The normal year of one crop of a study area: the SA number, the crop chosen from the SA's crop
// list, and OK writing "SA" + SA5 + "C" + kkk + ".nor" before it opens it in the spreadsheet.
class TGetCropItemNum {
 public:
  TGetCropItemNum(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  std::string Caption = std::string(kCropItemNumCaption);
  FormField SA;
  std::string ext;
  ComboBox CropItemCombo;  // with its label "Crop Item:"
  WarningPanel Warning;

  void FormActivate();
  void SAChange();
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TGetCropItemNum); }

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

}  // namespace kelvaro
