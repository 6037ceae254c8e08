#include "weatherio/study_area_names.h"

#include <algorithm>
#include <cctype>

#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr size_t kSa5Width = 5;
constexpr size_t kCropNumberWidth = 3;

std::string PaddedLeft(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), '0') + text;
}

}  // namespace

bool IsStudyAreaNumber(const std::string& text) {
  if (text.empty() || text.size() > 5) return false;
  if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
    return false;
  }
  const int number = std::stoi(text);
  return number >= kMinSaNumber && number <= kMaxSaNumber;
}

std::string SA5Of(int sa_number) { return Printf("%05d", sa_number); }

std::string PaddedSaText(const std::string& sa_text) { return PaddedLeft(sa_text, kSa5Width); }

std::string StudyAreaTag(const std::string& sa5) { return "SA" + sa5; }

std::string SaCropFileName(const std::string& sa5) { return StudyAreaTag(sa5) + ".CSV"; }

std::string CropListSource(const std::string& sa5) { return StudyAreaTag(sa5) + ".csv"; }

std::string CropFileName(int sa_number) { return CropListSource(SA5Of(sa_number)); }

std::string CropNumberText(int index) {
  return PaddedLeft(std::to_string(index), kCropNumberWidth);
}

std::string CropResultPrefix(const std::string& sa5) { return StudyAreaTag(sa5) + "C"; }

std::string CropFileStem(const std::string& sa5, int crop_number) {
  return CropResultPrefix(sa5) + CropNumberText(crop_number);
}

std::string CropResultName(const std::string& sa5, const std::string& kkk, std::string_view ext,
                           char letter) {
  return StudyAreaTag(sa5) + letter + kkk + "." + std::string(ext);
}

std::string SumOfEtawFileName(const std::string& sa5) { return "SumofETAWforSA" + sa5 + ".saw"; }

std::string SumOfEtcFileName(const std::string& sa5) { return "SumofETcforSA" + sa5 + ".set"; }

std::string IrrigationSummaryFileName(const std::string& sa5) {
  return "IrrigationsforSA" + sa5 + ".irs";
}

std::string IrrigationEventsFileName(const std::string& sa5) {
  return "IrrigationEventsforSA" + sa5 + ".ire";
}

std::string WaterBudgetFileName(const std::string& sa5) {
  return "WaterBudgetforSA" + sa5 + ".csv";
}

std::string RunRecordPrefix(const std::string& sa5) { return StudyAreaTag(sa5) + "-"; }

std::string RunRecordName(const std::string& sa5, const std::string& stem) {
  return RunRecordPrefix(sa5) + stem + kRunRecordExtension;
}

}  // namespace kelvaro
