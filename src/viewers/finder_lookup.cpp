#include "viewers/finder_lookup.h"

#include "crops/crop_soil_entry.h"
#include "viewers/study_area_files.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

constexpr int kCropInfoLargestSa = 999;

FileOutcome Refused(std::string_view message) {
  FileOutcome outcome;
  outcome.problems.push_back({FileField::kSa, std::string(message)});
  return outcome;
}

}  // namespace

bool IsPerCropKind(std::string_view ext) { return ext == "csv" || ext == "mtv" || ext == "eaw"; }

std::string FinderFileName(std::string_view ext, const std::string& sa_text, int crop_index) {
  if (IsPerCropKind(ext)) {
    return CropResultName(PaddedSaText(sa_text), CropNumberText(crop_index), ext);
  }
  if (ext == "wrk") return sa_text + "." + std::string(ext);
  if (ext == "saw") return SumOfEtawFileName(PaddedSaText(sa_text));
  if (ext == "set") return SumOfEtcFileName(PaddedSaText(sa_text));
  return {};
}

FileOutcome FindFinderFile(const FinderRequest& request, const std::filesystem::path& folder) {
  const std::string name = FinderFileName(request.kind, request.sa, request.crop);
  if (name.empty()) return {};
  return FindResultFile(folder, name);
}

FileOutcome FindCropInfoFile(const std::string& sa_text, const std::filesystem::path& folder) {
  if (sa_text.empty()) return Refused(kEnterSaNumber);
  const int sa_number = ParseInt(sa_text);
  if (sa_number >= kMinSaNumber && sa_number <= kCropInfoLargestSa) {
    return FindResultFile(folder, SaCropFileName(PaddedSaText(sa_text)));
  }
  if (sa_number > kMaxSaNumber) return Refused(kSaNumberRange);
  return {};
}

}  // namespace kelvaro
