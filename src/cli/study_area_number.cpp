#include "cli/study_area_number.h"

#include "cli/command_status.h"
#include "cli/run_hints.h"
#include "weatherio/errors.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::cli {

int ParseStudyAreaNumber(const std::string& text) {
  int sa_number = 0;
  try {
    sa_number = ParseInt(text);
  } catch (const ConversionError& error) {
    throw Refusal(std::string("--sa: ") + error.what());
  }
  if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
    throw Refusal("--sa: the study-area number should be between " + std::to_string(kMinSaNumber) +
                  " and " + std::to_string(kMaxSaNumber));
  }
  return sa_number;
}

CropFile ReadCropFileOrRefuse(const std::filesystem::path& dir, int sa_number) {
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error)) {
    throw Refusal("--dir: the folder " + Quoted(dir.string()) + " does not exist");
  }
  auto file = ReadStudyAreaCrops(dir, sa_number);
  if (file) return *std::move(file);
  const std::filesystem::path folder = AbsoluteFolder(dir);
  throw Refusal("Couldn't find " + SaCropFileName(SA5Of(sa_number)) + ".\n  Looked for " +
                CropFileName(sa_number) + " in " + folder.string() +
                " (in any letter case): " + AddCropsAdvice(std::to_string(sa_number), folder));
}

}  // namespace kelvaro::cli
