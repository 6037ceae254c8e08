#include "viewers/result_finders.h"

#include "viewers/study_area_files.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

constexpr int kCropInfoLargestSa = 999;

bool IsCropKind(std::string_view ext) { return ext == "csv" || ext == "mtv" || ext == "eaw"; }

bool IsSummaryKind(std::string_view ext) { return ext == "saw" || ext == "set"; }

}  // namespace

std::string FinderFileName(std::string_view ext, const std::string& sa_text, int crop_index) {
  if (IsCropKind(ext)) {
    return CropResultName(PaddedSaText(sa_text), CropNumberText(crop_index), ext);
  }
  if (ext == "wrk") return sa_text + "." + std::string(ext);
  if (ext == "saw") return SumOfEtawFileName(PaddedSaText(sa_text));
  if (ext == "set") return SumOfEtcFileName(PaddedSaText(sa_text));
  return {};
}

void TShowSAFiles::Configure(std::string_view kind, std::string_view caption,
                             std::string_view label) {
  ext = std::string(kind);
  if (!caption.empty()) Caption = std::string(caption);
  if (!label.empty()) SALabel = std::string(label);
}

void TShowSAFiles::FormActivate() {
  SA.text.clear();
  CropItemCombo.Clear();
  CropItemCombo.visible = false;
  CropItemCombo.Select(0);
  Warning.Clear();
}

bool TShowSAFiles::ListsCrops() const { return IsCropKind(ext); }
bool TShowSAFiles::KnowsKind() const { return true; }
bool TGetOutSA::KnowsKind() const { return IsCropKind(ext); }

void TShowSAFiles::SAChange() {
  if (ListsCrops()) RebuildCropList(session_, SA.text, CropItemCombo, Warning);
}

void TShowSAFiles::ButtonOKClick() {
  if (!KnowsKind()) return;
  const std::string name = FinderFileName(ext, SA.text, CropItemCombo.selected);
  if (name.empty()) return;
  if (OpenFoundFile(session_, ExcelApplication1, name, Warning)) navigator_.Close(id_);
}

void TGetSumSA::Configure(std::string_view kind, std::string_view caption) {
  ext = std::string(kind);
  if (!caption.empty()) Caption = std::string(caption);
}

void TGetSumSA::FormActivate() {
  SA.text.clear();
  Warning.Clear();
}

void TGetSumSA::ButtonOKClick() {
  if (!IsSummaryKind(ext)) return;
  if (OpenFoundFile(session_, ExcelApplication1, FinderFileName(ext, SA.text, 0), Warning)) {
    navigator_.Close(Dialog::TGetSumSA);
  }
}

void TGetSACropInfo::FormActivate() {
  SA.text.clear();
  Warning.visible = false;
}

void TGetSACropInfo::ButtonOKClick() {
  if (SA.text.empty()) {
    Warning.Add(std::string(kEnterSaNumber));
    Warning.Show();
    return;
  }
  const int sa_number = ParseInt(SA.text);
  if (sa_number >= 1 && sa_number <= kCropInfoLargestSa) {
    const std::string name = SaCropFileName(PaddedSaText(SA.text));
    if (OpenFoundFile(session_, ExcelApplication1, name, Warning)) {
      navigator_.Close(Dialog::TGetSACropInfo);
    }
  } else if (sa_number > kMaxSaNumber) {
    Warning.Add(std::string(kSaNumberRange));
    Warning.Show();
  }
}

}  // namespace kelvaro
