#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "forms/combo_box.h"
#include "forms/form_field.h"
#include "forms/navigator.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "viewers/file_outcome.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

inline constexpr std::string_view kFinderSaLabel = kSaNumberCaption;
inline constexpr std::string_view kGetOutSaCaption = "Get Out SA";
inline constexpr std::string_view kCropInfoCaption = "Crop and Soil Information by SA";
inline constexpr std::string_view kCropItemNumCaption =
    "mse file extension - daily mean water balance by Study Area";

// When a finder shows the crop list of the typed study area.
enum class FinderCrops {
  kByKind,  // for the per-crop kinds "csv", "mtv", "eaw" only
  kAlways,
  kNever,
};

// What a finder's OK does with the typed texts.
enum class FinderAction {
  kResultFile,  // finds the file of its kind (FindFinderFile) and closes once it is handed over
  kCropFile,    // finds the crop file by the crop and soil finder's rules (FindCropInfoFile)
  kNormalYear,  // writes the crop's normal year (MakeNormalYear) and stays open
};

// One of the five finders: the dialog it is, its caption and kind until the opening command
// sets them, its crop list, the kinds OK acts on (space-separated; any other does nothing),
// what OK does, and whether activation clears the warning or only hides it (its lines then
// gather from one showing to the next).
struct FinderVariant {
  Dialog id;
  std::string_view caption;
  std::string_view ext;
  FinderCrops crops;
  std::string_view kinds;
  FinderAction action;
  bool activation_clears_warning;
};

// The finders of study-area results: by SA number and, per crop, by the crop chosen from the
// SA's crop list, or a working daily file by its name ("wrk": the SA edit then holds the file's
// stem); the toolbar's per-crop finder; the SA's ETAW ("saw") or ETc ("set") summary; the SA's
// crop file (SA numbers 1 to 999); and the normal year of one crop ("SA" + SA5 + "C" + kkk +
// ".nor", written before it is opened).
inline constexpr std::array<FinderVariant, 5> kFinderVariants{{
    {Dialog::TShowSAFiles, "", "", FinderCrops::kByKind, "csv mtv eaw wrk saw set",
     FinderAction::kResultFile, true},
    {Dialog::TGetOutSA, kGetOutSaCaption, "", FinderCrops::kAlways, "csv mtv eaw",
     FinderAction::kResultFile, true},
    {Dialog::TGetSumSA, "", "", FinderCrops::kNever, "saw set", FinderAction::kResultFile, true},
    {Dialog::TGetSACropInfo, kCropInfoCaption, "csv", FinderCrops::kNever, "",
     FinderAction::kCropFile, false},
    {Dialog::TGetCropItemNum, kCropItemNumCaption, "", FinderCrops::kAlways, "",
     FinderAction::kNormalYear, true},
}};

const FinderVariant& FindFinderVariant(Dialog id);

// The model of every finder dialog, driven by its variant; the files it shows go to the
// spreadsheet.
class TResultFinder {
 public:
  TResultFinder(const FinderVariant& variant, Session& session, Spreadsheet& spreadsheet,
                Navigator& navigator);

  std::string Caption;
  std::string SALabel = std::string(kFinderSaLabel);
  FormField SA;
  std::string ext;
  ComboBox CropItemCombo;  // with its label "Crop Item:"
  WarningPanel Warning;

  const FinderVariant& variant() const { return variant_; }
  // What the opening command sets; an empty text leaves it as it is.
  void Configure(std::string_view kind, std::string_view caption, std::string_view label);
  void FormActivate();
  void SAChange();
  // The crop file finder: a text that is no integer throws ConversionError quoting it.
  void ButtonOKClick();
  void ButtonCancelClick() { navigator_.Close(variant_.id); }

 private:
  bool ListsCrops() const;
  bool KnowsKind() const;
  FileOutcome Look() const;

  const FinderVariant& variant_;
  Session& session_;
  Spreadsheet& ExcelApplication1;
  Navigator& navigator_;
};

// The five finders of one window, by their dialog.
class ResultFinders {
 public:
  ResultFinders(Session& session, Spreadsheet& spreadsheet, Navigator& navigator);

  TResultFinder& at(Dialog id) { return finders_.at(id); }

 private:
  std::map<Dialog, TResultFinder> finders_;
};

}  // namespace kelvaro
