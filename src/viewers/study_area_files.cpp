#include "viewers/study_area_files.h"

#include <fstream>

#include "crops/crop_row.h"
#include "office/office_calls.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"

namespace kelvaro {

bool ResultFileExists(const std::filesystem::path& folder, const std::string& file_name) {
  if (!IsSafeName(file_name)) return false;
  const auto path = FindInFolder(folder, file_name);
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && std::ifstream(path).is_open();
}

bool RebuildCropList(const Session& session, const std::string& sa_text, ComboBox& list,
                     WarningPanel& warning) {
  list.visible = true;
  const std::string source = CropListSource(PaddedSaText(sa_text));
  if (!ResultFileExists(session.data_dir, source)) {
    warning.Add(std::string(kInvalidSaNumber));
    warning.Show();
    return false;
  }
  std::optional<CropFile> crops;
  std::string broken;
  try {
    crops = ReadCropFile(FindInFolder(session.data_dir, source));
  } catch (const ConversionError& error) {
    broken = error.what();
  } catch (const InputError& error) {
    broken = error.what();
  }
  if (!broken.empty()) {
    warning.Add(broken);
    warning.Show();
    return false;
  }
  if (!crops) {
    warning.Add(std::string(kInvalidSaNumber));
    warning.Show();
    return false;
  }
  warning.visible = false;
  list.Clear();
  list.items.emplace_back();
  for (const CropRow& row : crops->rows) list.items.push_back(row.name);
  return true;
}

bool OpenFoundFile(Session& session, Spreadsheet& spreadsheet, const std::string& file_name,
                   WarningPanel& warning) {
  if (!ResultFileExists(session.data_dir, file_name)) {
    warning.Add(std::string(kInvalidResultFileName));
    warning.Show();
    return false;
  }
  if (!OpenInSpreadsheet(spreadsheet, FindInFolder(session.data_dir, file_name),
                         session.reporter)) {
    return false;
  }
  warning.visible = false;
  return true;
}

}  // namespace kelvaro
