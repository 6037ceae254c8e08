#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bindings.h"
#include "crops/crop_catalogue.h"
#include "crops/crop_file.h"
#include "crops/crop_row.h"
#include "crops/crop_row_checks.h"
#include "crops/crop_soil_entry.h"
#include "forms/navigator.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/folder_lock.h"
#include "weatherio/output_file.h"
#include "weatherio/study_area_names.h"
#include "weatherio/text_file.h"

namespace py = pybind11;
namespace fs = std::filesystem;

namespace kelvaro::python {
namespace {

int StudyAreaNumber(int sa) {
  if (sa < kMinSaNumber || sa > kMaxSaNumber) throw py::value_error(std::string(kSaNumberRange));
  return sa;
}

py::list Catalogue() {
  py::list crops;
  for (const CropDefaults& crop : CropCatalogue()) {
    py::dict row;
    row["crop"] = std::string(crop.list_item);
    row["crop_no"] = crop.crop_no;
    row["crop_class"] = CropClass(crop.crop_no);
    row["crop_name"] = std::string(crop.crop_name);
    row["a_to_b"] = crop.a_to_b;
    row["a_to_c"] = crop.a_to_c;
    row["a_to_d"] = crop.a_to_d;
    row["kc1"] = crop.kc_ab;
    row["kc2"] = crop.kc_cd;
    row["kc3"] = crop.kc_e;
    row["plant_month"] = crop.plant_month;
    row["plant_day"] = crop.plant_day;
    row["ending_month"] = crop.ending_month;
    row["ending_day"] = crop.ending_day;
    row["rooting_depth_mm"] = crop.def_rooting_depth_mm;
    crops.append(row);
  }
  return crops;
}

// A crop row as the crop file holds it, field by field in file order.
py::dict RowFields(const CropRow& row) {
  py::dict fields;
  fields["code"] = row.code;
  fields["name"] = row.name;
  fields["planting_doy"] = row.planting_doy;
  fields["ending_doy"] = row.ending_doy;
  fields["area_ha"] = row.area_ha;
  fields["max_soil_depth_mm"] = row.max_soil_depth_mm;
  fields["max_root_depth_mm"] = row.max_root_depth_mm;
  fields["allowable_depletion_pct"] = row.allowable_depletion_pct;
  fields["available_water"] = row.available_water;
  fields["plant_available_water_mm"] = row.plant_available_water_mm;
  fields["yield_threshold_mm"] = row.yield_threshold_mm;
  fields["wetting_frequency_days"] = row.wetting_frequency_days;
  const char* covers[] = {"ground_cover_b_pct", "ground_cover_c_pct", "ground_cover_d_pct",
                          "ground_cover_e_pct"};
  for (size_t i = 0; i < 4; ++i) fields[covers[i]] = row.ground_cover_pct[i];
  const char* cover_crops[] = {"cover_crop1_begin_doy", "cover_crop1_end_doy",
                               "cover_crop2_begin_doy", "cover_crop2_end_doy"};
  for (size_t i = 0; i < 4; ++i) fields[cover_crops[i]] = row.cover_crop_doy[i];
  const char* stages[] = {"stage_b_pct", "stage_c_pct", "stage_d_pct"};
  for (size_t i = 0; i < 3; ++i) fields[stages[i]] = row.stage_pct[i];
  const char* kcs[] = {"kc1", "kc2", "kc3"};
  for (size_t i = 0; i < 3; ++i) fields[kcs[i]] = row.kc[i];
  fields["ks"] = row.ks;
  fields["stress_begin_doy"] = row.stress_begin_doy;
  fields["stress_end_doy"] = row.stress_end_doy;
  fields["pre_irrigated"] = row.pre_irrigated;
  fields["row_marker"] = row.row_marker;
  return fields;
}

py::list Rows(const fs::path& folder, int sa) {
  CheckFolder(folder);
  const auto file = ReadStudyAreaCrops(folder, StudyAreaNumber(sa));
  if (!file) {
    throw py::value_error("There is no crop file " + CropFileName(sa) + " in " + folder.string());
  }
  py::list rows;
  for (const CropRow& row : file->rows) rows.append(RowFields(row));
  return rows;
}

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// The entry form's fields a caller may fill, by the names Python gives them.
const std::map<std::string, FormField TCropSoilEntry::*>& EntryFields() {
  static const std::map<std::string, FormField TCropSoilEntry::*> fields{
      {"area", &TCropSoilEntry::HectaresPlanted},
      {"plant", &TCropSoilEntry::PlantingDate},
      {"end", &TCropSoilEntry::EndingDate},
      {"soil", &TCropSoilEntry::SoilType},
      {"max_soil", &TCropSoilEntry::MaxSoilDepth},
      {"root", &TCropSoilEntry::RootingDepth},
      {"depletion", &TCropSoilEntry::AllowableDepletion},
      {"wetting_frequency", &TCropSoilEntry::WettingFrequency},
      {"pre_irrigated", &TCropSoilEntry::PreIrrigated},
      {"cover_b", &TCropSoilEntry::GroundCoverDateB},
      {"cover_c", &TCropSoilEntry::GroundCoverDateC},
      {"cover_d", &TCropSoilEntry::GroundCoverDateD},
      {"cover_e", &TCropSoilEntry::GroundCoverDateE},
      {"cover1_begin", &TCropSoilEntry::CoverCrop1Begin},
      {"cover1_end", &TCropSoilEntry::CoverCrop1End},
      {"cover2_begin", &TCropSoilEntry::CoverCrop2Begin},
      {"cover2_end", &TCropSoilEntry::CoverCrop2End},
      {"stress", &TCropSoilEntry::StressFactor},
      {"stress_begin", &TCropSoilEntry::StressStartingDate},
      {"stress_end", &TCropSoilEntry::StressEndingDate},
  };
  return fields;
}

// Fills in and saves the crop/soil entry form as `kelvaro-cli crop add` does: the crop chosen
// from the catalogue, the entries given, the rest the defaults the form shows. Returns the row
// written, or the form's warnings when it refused.
py::dict AddCrop(const fs::path& folder, int sa, const std::string& crop,
                 const std::map<std::string, std::string>& entries) {
  CheckFolder(folder);
  const auto index = FindCropByListItem(crop);
  if (!index) {
    throw py::value_error("unknown crop '" + crop + "'; crop_catalogue() lists the crop names");
  }
  TCropSoilEntry form(CurrentYear());
  form.FormActivate();
  form.CropNameComboChange(*index);
  form.SA.text = std::to_string(StudyAreaNumber(sa));
  for (const auto& [name, text] : entries) {
    const auto field = EntryFields().find(name);
    if (field == EntryFields().end()) throw py::type_error("add_crop has no entry '" + name + "'");
    FormField& entry = form.*(field->second);
    if (!entry.visible) {
      throw py::value_error(name + " does not apply to " + form.CropName.text + " (crop number " +
                            form.CropNo.text + ")");
    }
    entry.text = text;
  }
  const FolderLock lock(folder, "python add_crop");
  FixedDirectoryNavigator navigator(folder);
  const SaveOutcome outcome = form.ButtonSaveClick(navigator);
  py::dict result;
  result["written"] = outcome.result == SaveResult::kWritten;
  std::vector<std::string> warnings;
  for (const std::string& line : form.warning().Warning) {
    if (line != kCropFormSaRange) warnings.push_back(line);  // the SA was checked already
  }
  result["warnings"] = warnings;
  result["file"] = outcome.file.string();
  if (outcome.result == SaveResult::kWritten) result["row"] = RowFields(outcome.row);
  return result;
}

// Takes crop `number` (from 1, in file order) out of the crop file, keeping every other line
// as it is.
std::string RemoveCrop(const fs::path& folder, int sa, int number) {
  CheckFolder(folder);
  const auto crops = ReadStudyAreaCrops(folder, StudyAreaNumber(sa));
  if (!crops) {
    throw py::value_error("There is no crop file " + CropFileName(sa) + " in " + folder.string());
  }
  if (number < 1 || static_cast<size_t>(number) > crops->rows.size()) {
    throw py::value_error(crops->name + " holds crops 1 to " + std::to_string(crops->rows.size()) +
                          ", not " + std::to_string(number));
  }
  const FolderLock lock(folder, "python remove_crop");
  const fs::path path = FindInFolder(folder, CropFileName(sa));
  const auto file = ReadTextFile(path);
  if (!file) throw py::value_error("Couldn't read " + path.string());
  const int skipped = crops->line_numbers[static_cast<size_t>(number - 1)];
  std::string text;
  for (size_t i = 0; i < file->lines.size(); ++i) {
    if (static_cast<int>(i) + 1 != skipped) text += file->lines[i] + "\n";
  }
  WriteWholeFile(path, text);
  return crops->rows[static_cast<size_t>(number - 1)].name;
}

// Writes the crop file of a study area whole from rows of 31 texts each, every row held to the
// crop file's rules first.
std::string WriteRows(const fs::path& folder, int sa,
                      const std::vector<std::vector<std::string>>& rows) {
  CheckFolder(folder);
  std::string text = CropFileHeader();
  for (size_t i = 0; i < rows.size(); ++i) {
    std::string line;
    for (const std::string& cell : rows[i]) line += (line.empty() ? "" : ",") + cell;
    try {
      const CropRow row = ParseCropRow(line);
      CheckCropRow(row);
      text += FormatCropRow(row);
    } catch (const std::exception& error) {
      throw py::value_error("row " + std::to_string(i) + ": " + error.what());
    }
  }
  const FolderLock lock(folder, "python write_crop_rows");
  const fs::path path = FindInFolder(folder, CropFileName(StudyAreaNumber(sa)));
  WriteWholeFile(path, text);
  return path.string();
}

}  // namespace

void AddCrops(py::module_& module) {
  module.def("crop_catalogue", &Catalogue, "The compiled-in crops, one dict each.");
  module.def("crop_rows", &Rows, py::arg("folder"), py::arg("sa"),
             "The study area's crop rows, one dict each.");
  module.def("add_crop", &AddCrop, py::arg("folder"), py::arg("sa"), py::arg("crop"),
             py::arg("entries"), "Appends a crop through the crop/soil entry form.");
  module.def("remove_crop", &RemoveCrop, py::arg("folder"), py::arg("sa"), py::arg("number"),
             "Takes one crop out of the crop file; returns its name.");
  module.def("write_crop_rows", &WriteRows, py::arg("folder"), py::arg("sa"), py::arg("rows"),
             "Writes the crop file whole from rows of 31 texts.");
}

}  // namespace kelvaro::python
