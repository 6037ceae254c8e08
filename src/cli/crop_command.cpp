#include "cli/crop_command.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command_status.h"
#include "cli/crop_add.h"
#include "crops/crop_catalogue.h"
#include "crops/crop_file.h"
#include "crops/form_text.h"
#include "weatherio/errors.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

int RunCropList() {
  std::cout << Printf("%3s  %-24s %-6s %5s  %-5s  %-5s  %9s\n", "#", "Crop", "CropNo", "Class",
                      "Plant", "End", "Root (mm)");
  const auto catalogue = CropCatalogue();
  for (size_t i = 0; i < catalogue.size(); ++i) {
    const CropDefaults& crop = catalogue[i];
    std::cout << Printf(
        "%3zu  %-24s %-6s %5d  %02d-%02d  %02d-%02d  %9s\n", i, std::string(crop.list_item).c_str(),
        NumberText(crop.crop_no).c_str(), CropClass(crop.crop_no), crop.plant_month, crop.plant_day,
        crop.ending_month, crop.ending_day, NumberText(crop.def_rooting_depth_mm).c_str());
  }
  return kExitDone;
}

std::string Period(int begin_doy, int end_doy) {
  return begin_doy == 0 && end_doy == 0 ? "-" : Printf("%d-%d", begin_doy, end_doy);
}

constexpr const char* kShowLayout =
    "%-3s  %-24s %5s %5s %5s %5s %8s %8s %6s %6s %8s %8s %4s  %-15s %-9s %-9s %-12s %5s %5s %5s "
    "%5s %-9s %3s\n";

void PrintShowHeader() {
  std::cout << Printf(kShowLayout, "kkk", "Crop", "Class", "Plant", "End", "Area", "Soil mm",
                      "Root mm", "Depl%", "AW", "PAW mm", "YTD mm", "WF", "GC% B/C/D/E", "Cover 1",
                      "Cover 2", "Stage% B/C/D", "Kc1", "Kc2", "Kc3", "Ks", "Stress", "Pre");
}

void PrintShowRow(int k, const CropRow& row) {
  const auto& gc = row.ground_cover_pct;
  const auto& cc = row.cover_crop_doy;
  std::cout << Printf(
      kShowLayout, Printf("%03d", k).c_str(), row.name.c_str(),
      std::to_string(row.CropClass()).c_str(), std::to_string(row.planting_doy).c_str(),
      std::to_string(row.ending_doy).c_str(), std::to_string(row.area_ha).c_str(),
      Printf("%.2f", row.max_soil_depth_mm).c_str(), Printf("%.2f", row.max_root_depth_mm).c_str(),
      Printf("%.2f", row.allowable_depletion_pct).c_str(),
      Printf("%.3f", row.available_water).c_str(),
      Printf("%.3f", row.plant_available_water_mm).c_str(),
      Printf("%.3f", row.yield_threshold_mm).c_str(),
      std::to_string(row.wetting_frequency_days).c_str(),
      Printf("%d/%d/%d/%d", gc[0], gc[1], gc[2], gc[3]).c_str(), Period(cc[0], cc[1]).c_str(),
      Period(cc[2], cc[3]).c_str(),
      Printf("%d/%d/%d", row.stage_pct[0], row.stage_pct[1], row.stage_pct[2]).c_str(),
      Printf("%.2f", row.kc[0]).c_str(), Printf("%.2f", row.kc[1]).c_str(),
      Printf("%.2f", row.kc[2]).c_str(), Printf("%.2f", row.ks).c_str(),
      Period(row.stress_begin_doy, row.stress_end_doy).c_str(), row.pre_irrigated.c_str());
}

int ParseSaNumber(const std::string& text) {
  const int sa_number = ParseInt(text);
  if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
    throw InputError("SA number should be between 1 and 99999");
  }
  return sa_number;
}

int RunCropShow(const std::string& sa, const std::string& dir) {
  const int sa_number = ParseSaNumber(sa);
  const auto file = ReadStudyAreaCrops(dir, sa_number);
  if (!file) throw InputError("Couldn't find SA" + SA5Of(sa_number) + ".CSV.");
  std::cout << file->name << ": " << file->rows.size() << " crops\n";
  PrintShowHeader();
  for (size_t k = 0; k < file->rows.size(); ++k) {
    PrintShowRow(static_cast<int>(k + 1), file->rows[k]);
  }
  return kExitDone;
}

void AddCropShowCommand(CLI::App& crop) {
  struct ShowOptions {
    std::string sa;
    std::string dir = ".";
  };
  auto options = std::make_shared<ShowOptions>();
  CLI::App* show = crop.add_subcommand("show", "Print the crops of a study area's crop file");
  show->add_option("--sa", options->sa, "Study area number, 1 to 99999")->required();
  show->add_option("--dir", options->dir, "Directory of the crop file (default: here)");
  show->callback([options] { RunCommand([&] { return RunCropShow(options->sa, options->dir); }); });
}

}  // namespace

void AddCropCommands(CLI::App& app) {
  CLI::App* crop = app.add_subcommand("crop", "Crop catalogue and study-area crop files");
  crop->require_subcommand(1);
  crop->add_subcommand("list", "Print the crop catalogue")->callback([] {
    RunCommand(RunCropList);
  });
  AddCropAddCommand(*crop);
  AddCropShowCommand(*crop);
}

}  // namespace kelvaro
