#include "viewers/study_area_files.h"

#include <fstream>

#include "crops/crop_row.h"
#include "office/office_calls.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"

namespace kelvaro {
namespace {

StudyAreaCrops NoList(std::string message) {
  return {{}, FileProblem{FileField::kSa, std::move(message)}};
}

}  // namespace

bool ResultFileExists(const std::filesystem::path& folder, const std::string& file_name) {
  if (!IsSafeName(file_name)) return false;
  const auto path = FindInFolder(folder, file_name);
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && std::ifstream(path).is_open();
}

StudyAreaCrops ReadStudyAreaCrops(const std::filesystem::path& folder, const std::string& sa_text) {
  const std::string source = CropListSource(PaddedSaText(sa_text));
  if (!ResultFileExists(folder, source)) return NoList(std::string(kInvalidSaNumber));
  std::optional<CropFile> crops;
  try {
    crops = ReadCropFile(FindInFolder(folder, source));
  } catch (const ConversionError& error) {
    return NoList(error.what());
  } catch (const InputError& error) {
    return NoList(error.what());
  }
  if (!crops) return NoList(std::string(kInvalidSaNumber));
  StudyAreaCrops listed;
  for (const CropRow& row : crops->rows) listed.names.push_back(row.name);
  return listed;
}

std::optional<FileProblem> CropNumberProblem(const StudyAreaCrops& crops,
                                             const std::string& sa_text, int crop) {
  const int count = static_cast<int>(crops.names.size());
  if (crop >= 1 && crop <= count) return std::nullopt;
  return FileProblem{FileField::kCrop, "Crop " + std::to_string(crop) + " is not in " +
                                           CropListSource(PaddedSaText(sa_text)) +
                                           ", which holds " + std::to_string(count) +
                                           " crops (numbered from 1)"};
}

bool RebuildCropList(const Session& session, const std::string& sa_text, ComboBox& list,
                     WarningPanel& warning) {
  list.visible = true;
  const StudyAreaCrops crops = ReadStudyAreaCrops(session.data_dir, sa_text);
  if (crops.problem) return !ShowProblems({*crops.problem}, warning);
  warning.visible = false;
  list.Clear();
  list.items.emplace_back();
  list.items.insert(list.items.end(), crops.names.begin(), crops.names.end());
  return true;
}

FileOutcome FindResultFile(const std::filesystem::path& folder, const std::string& file_name) {
  FileOutcome outcome;
  if (ResultFileExists(folder, file_name)) {
    outcome.file = FindInFolder(folder, file_name);
  } else {
    outcome.problems.push_back({FileField::kFile, std::string(kInvalidResultFileName)});
  }
  return outcome;
}

bool ShowProblems(const std::vector<FileProblem>& problems, WarningPanel& warning) {
  for (const FileProblem& problem : problems) warning.Add(problem.message);
  if (!problems.empty()) warning.Show();
  return !problems.empty();
}

bool OpenFoundFile(Session& session, Spreadsheet& spreadsheet, const std::string& file_name,
                   WarningPanel& warning) {
  const FileOutcome found = FindResultFile(session.data_dir, file_name);
  if (ShowProblems(found.problems, warning)) return false;
  if (!OpenInSpreadsheet(spreadsheet, *found.file, session.reporter)) return false;
  warning.visible = false;
  return true;
}

}  // namespace kelvaro
