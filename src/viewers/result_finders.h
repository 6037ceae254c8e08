#pragma once

#include <string>
#include <string_view>

#include "crops/crop_soil_entry.h"
#include "forms/combo_box.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

inline constexpr std::string_view kFinderSaLabel = kSaNumberCaption;
inline constexpr std::string_view kGetOutSaCaption = "Get Out SA";
inline constexpr std::string_view kCropInfoCaption = "Crop and Soil Information by SA";

// The name of the result file the finders open for kind `ext` ("csv", "mtv", "eaw" per crop,
// "wrk" by input file name, "saw" and "set" per study area); empty for any other kind.
std::string FinderFileName(std::string_view ext, const std::string& sa_text, int crop_index);

// Finds a study area's result file by SA number and, per crop, by the crop chosen from the SA's
// crop list ("csv", "mtv", "eaw"), or a working daily file by its name ("wrk": the SA edit then
// holds the file's stem and the crop list stays hidden). Caption and the SA label are set by the
// command that opens it.
class TShowSAFiles {
 public:
  TShowSAFiles(Session& session, Spreadsheet& spreadsheet, Navigator& navigator,
               Dialog id = Dialog::TShowSAFiles)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator), id_(id) {}

  std::string Caption;
  std::string SALabel = std::string(kFinderSaLabel);
  FormField SA;
  std::string ext;
  ComboBox CropItemCombo;  // with its label "Crop Item:"
  WarningPanel Warning;

  // What the opening command sets; an empty caption or label leaves it as it is.
  void Configure(std::string_view kind, std::string_view caption, std::string_view label);
  void FormActivate();
  void SAChange();
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(id_); }

 protected:
  virtual bool ListsCrops() const;
  virtual bool KnowsKind() const;

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
  Dialog id_;
};

// The toolbar's finder of per-crop results: always a crop list, and only "csv", "mtv", "eaw".
class TGetOutSA : public TShowSAFiles {
 public:
  TGetOutSA(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : TShowSAFiles(session, spreadsheet, navigator, Dialog::TGetOutSA) {
    Caption = std::string(kGetOutSaCaption);
  }

 protected:
  bool ListsCrops() const override { return true; }
  bool KnowsKind() const override;
};

// The study area's ETAW ("saw") or ETc ("set") summary over its crops.
class TGetSumSA {
 public:
  TGetSumSA(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  std::string Caption;
  FormField SA;
  std::string ext;
  WarningPanel Warning;

  void Configure(std::string_view kind, std::string_view caption);
  void FormActivate();
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TGetSumSA); }

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

// The study area's crop file, opened as it is. Only SA numbers 1 to 999 are looked up; 1000 to
// 99999 (and 0 or below) do nothing and say nothing; above 99999 is refused with a message.
// Activation hides the warning without clearing it, so its lines accumulate.
class TGetSACropInfo {
 public:
  TGetSACropInfo(Session& session, Spreadsheet& spreadsheet, Navigator& navigator)
      : session_(session), ExcelApplication1(spreadsheet), navigator_(navigator) {}

  std::string Caption = std::string(kCropInfoCaption);
  FormField SA;
  std::string ext = "csv";
  WarningPanel Warning;

  void FormActivate();
  // A text that is no integer throws ConversionError quoting it.
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(Dialog::TGetSACropInfo); }

 private:
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

}  // namespace kelvaro
