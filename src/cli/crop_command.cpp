#include "cli/crop_command.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command_status.h"
#include "cli/crop_add.h"
#include "cli/crop_remove.h"
#include "cli/folder_guard.h"
#include "cli/study_area_number.h"
#include "cli/text_table.h"
#include "crops/crop_catalogue.h"
#include "crops/crop_file.h"
#include "crops/form_text.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

using cli::OutputFormat;
using cli::TableColumn;
using cli::TableRow;

constexpr TableColumn kListColumns[] = {
    {"#", 3},     {"Crop", 24, true}, {"CropNo", 6},  {"Class", 5}, {"Kc1", 5},
    {"Kc2", 5},   {"Kc3", 5},         {"B %", 4},     {"C %", 4},   {"D %", 4},
    {"Plant", 5}, {"End", 5},         {"Root mm", 9},
};

constexpr const char* kListFooter =
    "Class 1 annual field and vegetable crops, 2 one coefficient all year, 3 deciduous orchards "
    "and vines, 4 evergreen trees.\n"
    "Kc1 initial stage (A to B), Kc2 mid-season (C to D), Kc3 at the end (E); B %, C %, D %: "
    "percent of the season to dates B, C and D.\n"
    "Plant and End (MM-DD): the default season; Root mm: the default rooting depth.\n";

std::string MonthDay(int month, int day) { return Printf("%02d-%02d", month, day); }

TableRow ListRow(size_t index, const CropDefaults& crop) {
  return {std::to_string(index),
          std::string(crop.list_item),
          NumberText(crop.crop_no),
          std::to_string(CropClass(crop.crop_no)),
          Printf("%.2f", crop.kc_ab),
          Printf("%.2f", crop.kc_cd),
          Printf("%.2f", crop.kc_e),
          std::to_string(crop.a_to_b),
          std::to_string(crop.a_to_c),
          std::to_string(crop.a_to_d),
          MonthDay(crop.plant_month, crop.plant_day),
          MonthDay(crop.ending_month, crop.ending_day),
          NumberText(crop.def_rooting_depth_mm)};
}

int RunCropList(OutputFormat format) {
  std::vector<TableRow> rows;
  const auto catalogue = CropCatalogue();
  for (size_t i = 0; i < catalogue.size(); ++i) rows.push_back(ListRow(i, catalogue[i]));
  cli::PrintTable(kListColumns, rows, format, std::cout);
  if (format == OutputFormat::kTable) std::cout << "\n" << kListFooter;
  return kExitDone;
}

std::string Period(int begin_doy, int end_doy) {
  return begin_doy == 0 && end_doy == 0 ? "-" : Printf("%d-%d", begin_doy, end_doy);
}

constexpr TableColumn kShowColumns[] = {
    {"kkk", 4, true},
    {"Crop", 24, true},
    {"Class", 5},
    {"Plant", 5},
    {"End", 5},
    {"Area", 5},
    {"Soil mm", 8},
    {"Root mm", 8},
    {"Depl%", 6},
    {"AW", 6},
    {"PAW mm", 8},
    {"YTD mm", 8},
    {"WF", 5},
    {"GC% B/C/D/E", 15, true},
    {"Cover 1", 9, true},
    {"Cover 2", 9, true},
    {"Stage% B/C/D", 12, true},
    {"Kc1", 5},
    {"Kc2", 5},
    {"Kc3", 5},
    {"Ks", 5},
    {"Stress", 9, true},
    {"Pre", 3},
};

TableRow ShowRow(int k, const CropRow& row) {
  const auto& gc = row.ground_cover_pct;
  const auto& cc = row.cover_crop_doy;
  return {Printf("%03d", k),
          row.name,
          std::to_string(row.CropClass()),
          std::to_string(row.planting_doy),
          std::to_string(row.ending_doy),
          std::to_string(row.area_ha),
          Printf("%.2f", row.max_soil_depth_mm),
          Printf("%.2f", row.max_root_depth_mm),
          Printf("%.2f", row.allowable_depletion_pct),
          Printf("%.3f", row.available_water),
          Printf("%.3f", row.plant_available_water_mm),
          Printf("%.3f", row.yield_threshold_mm),
          std::to_string(row.wetting_frequency_days),
          Printf("%d/%d/%d/%d", gc[0], gc[1], gc[2], gc[3]),
          Period(cc[0], cc[1]),
          Period(cc[2], cc[3]),
          Printf("%d/%d/%d", row.stage_pct[0], row.stage_pct[1], row.stage_pct[2]),
          Printf("%.2f", row.kc[0]),
          Printf("%.2f", row.kc[1]),
          Printf("%.2f", row.kc[2]),
          Printf("%.2f", row.ks),
          Period(row.stress_begin_doy, row.stress_end_doy),
          row.pre_irrigated};
}

struct ShowOptions {
  std::string sa;
  std::string dir = ".";
  OutputFormat format = OutputFormat::kTable;
};

int RunCropShow(const ShowOptions& options) {
  const int sa_number = cli::ParseStudyAreaNumber(options.sa);
  const CropFile file = cli::ReadCropFileOrRefuse(options.dir, sa_number);
  const cli::FolderGuard guard(options.dir, "crop show --sa " + options.sa);
  if (options.format == OutputFormat::kTable) {
    std::cout << file.name << ": " << file.rows.size() << " crops\n";
  }
  std::vector<TableRow> rows;
  for (size_t k = 0; k < file.rows.size(); ++k) {
    rows.push_back(ShowRow(static_cast<int>(k + 1), file.rows[k]));
  }
  cli::PrintTable(kShowColumns, rows, options.format, std::cout);
  return kExitDone;
}

void AddCropListCommand(CLI::App& crop) {
  auto format = std::make_shared<OutputFormat>(OutputFormat::kTable);
  CLI::App* list = crop.add_subcommand(
      "list", "Print the 65 crops with class, coefficients, stages, default season and roots");
  cli::AddFormatOption(*list, *format);
  list->footer(kListFooter);
  list->callback([format] { RunCommand([&] { return RunCropList(*format); }); });
}

void AddCropShowCommand(CLI::App& crop) {
  auto options = std::make_shared<ShowOptions>();
  CLI::App* show = crop.add_subcommand("show", "Print the crops of a study area's crop file");
  show->add_option("--sa", options->sa, "Study-area number, " + std::string(kSaNumberSpan))
      ->required();
  show->add_option("--dir", options->dir, "Folder of the crop file (default: the current folder)");
  cli::AddFormatOption(*show, options->format);
  show->footer(
      "kkk is the crop's number in the file, which names its result files (SA00012C001.CSV). "
      "Plant, End, stress and cover-crop periods are days of the year; AW mm of water per mm of "
      "soil; PAW plant-available water; YTD the depletion that starts an irrigation; WF days "
      "between wettings; GC ground cover.");
  show->callback([options] { RunCommand([&] { return RunCropShow(*options); }); });
}

}  // namespace

void AddCropCommands(CLI::App& app) {
  CLI::App* crop = app.add_subcommand("crop", "The crop catalogue and the study areas' crop files");
  crop->require_subcommand(1);
  AddCropListCommand(*crop);
  AddCropAddCommand(*crop);
  AddCropShowCommand(*crop);
  AddCropRemoveCommand(*crop);
}

}  // namespace kelvaro
