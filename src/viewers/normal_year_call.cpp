#include "viewers/normal_year_call.h"

#include "balance/normal_year.h"
#include "viewers/study_area_files.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

NormalYearFiles FilesOf(const NormalYearRequest& request) {
  const std::string sa5 = PaddedSaText(request.sa);
  if (request.naming == NormalYearNaming::kCropStem) {
    const std::string stem = CropFileStem(sa5, request.crop);
    return {sa5, request.crop, stem + ".csv", stem + ".nor", ToUpperAscii(stem)};
  }
  const std::string daily = CropResultName(sa5, CropNumberText(request.crop), "csv", 'c');
  return {sa5, request.crop, daily, daily + ".nor", ToUpperAscii(daily)};
}

std::string CropFileText(const NormalYearRequest& request, const Session& session) {
  const std::string name = SaCropFileName(PaddedSaText(request.sa));
  if (request.naming == NormalYearNaming::kCropStem) return name;
  std::error_code ignored;
  return std::filesystem::absolute(FindInFolder(session.data_dir, name), ignored).string();
}

}  // namespace

FileOutcome MakeNormalYear(const NormalYearRequest& request, Session& session) {
  const NormalYearFiles files = FilesOf(request);
  FileOutcome outcome;
  switch (WriteNormalYear(files, session)) {
    case NormalYearOutcome::kNoDailyFile:
      outcome.problems.push_back({FileField::kFile, std::string(kInvalidResultFileName)});
      break;
    case NormalYearOutcome::kNoCropFile:
      outcome.failure = "Couldn't find " + CropFileText(request, session) + ".";
      break;
    case NormalYearOutcome::kWritten:
      outcome.file = FindInFolder(session.data_dir, files.output_name);
      outcome.written.push_back(*outcome.file);
      break;
  }
  return outcome;
}

}  // namespace kelvaro
