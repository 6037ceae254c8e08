#include "viewers/result_finders.h"

#include <algorithm>

#include "office/office_calls.h"
#include "viewers/finder_lookup.h"
#include "viewers/normal_year_call.h"
#include "viewers/study_area_files.h"

namespace kelvaro {
namespace {

// Whether `word` is one of the space-separated words of `words`.
bool HasWord(std::string_view words, std::string_view word) {
  while (!words.empty()) {
    const size_t end = std::min(words.find(' '), words.size());
    if (words.substr(0, end) == word) return true;
    words.remove_prefix(std::min(end + 1, words.size()));
  }
  return false;
}

}  // namespace

const FinderVariant& FindFinderVariant(Dialog id) {
  return *std::find_if(kFinderVariants.begin(), kFinderVariants.end(),
                       [id](const FinderVariant& variant) { return variant.id == id; });
}

TResultFinder::TResultFinder(const FinderVariant& variant, Session& session,
                             Spreadsheet& spreadsheet, Navigator& navigator)
    : Caption(variant.caption),
      ext(variant.ext),
      variant_(variant),
      session_(session),
      ExcelApplication1(spreadsheet),
      navigator_(navigator) {}

void TResultFinder::Configure(std::string_view kind, std::string_view caption,
                              std::string_view label) {
  if (!kind.empty()) ext = std::string(kind);
  if (!caption.empty()) Caption = std::string(caption);
  if (!label.empty()) SALabel = std::string(label);
}

void TResultFinder::FormActivate() {
  SA.text.clear();
  CropItemCombo.Clear();
  CropItemCombo.visible = false;
  if (variant_.activation_clears_warning) {
    Warning.Clear();
  } else {
    Warning.visible = false;
  }
}

bool TResultFinder::ListsCrops() const {
  return variant_.crops == FinderCrops::kAlways ||
         (variant_.crops == FinderCrops::kByKind && IsPerCropKind(ext));
}

bool TResultFinder::KnowsKind() const {
  return variant_.action != FinderAction::kResultFile || HasWord(variant_.kinds, ext);
}

void TResultFinder::SAChange() {
  if (ListsCrops()) RebuildCropList(session_, SA.text, CropItemCombo, Warning);
}

FileOutcome TResultFinder::Look() const {
  switch (variant_.action) {
    case FinderAction::kResultFile:
      return FindFinderFile({ext, SA.text, CropItemCombo.selected}, session_.data_dir);
    case FinderAction::kCropFile:
      return FindCropInfoFile(SA.text, session_.data_dir);
    case FinderAction::kNormalYear:
      break;
  }
  return MakeNormalYear({SA.text, CropItemCombo.selected, NormalYearNaming::kCropStem}, session_);
}

void TResultFinder::ButtonOKClick() {
  if (!KnowsKind()) return;
  const FileOutcome outcome = Look();
  if (ShowProblems(outcome.problems, Warning)) return;
  if (outcome.failure) {
    session_.reporter.MessageBox(*outcome.failure);
    return;
  }
  if (!outcome.found()) return;
  if (!OpenInSpreadsheet(ExcelApplication1, *outcome.file, session_.reporter)) return;
  if (variant_.action == FinderAction::kNormalYear) return;
  Warning.visible = false;
  navigator_.Close(variant_.id);
}

ResultFinders::ResultFinders(Session& session, Spreadsheet& spreadsheet, Navigator& navigator) {
  for (const FinderVariant& variant : kFinderVariants) {
    finders_.try_emplace(variant.id, variant, session, spreadsheet, navigator);
  }
}

}  // namespace kelvaro
