#include "crops/crop_row.h"

#include <cctype>

#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {

int CropRow::CropClass() const {
  if (code.size() < 9 || !std::isdigit(static_cast<unsigned char>(code[8]))) return 0;
  return code[8] - '0';
}

std::string CropFileHeader() {
  return ",,Starting,Ending, Planted,Max Soil,Max Crop,Crop Allowable, Available Water,Plant "
         "Available,Yeild Threshold,initial Growth,Date B,Date C,Date D,Date E,#1 Begin,#1 "
         "End,#2 Begin,#2 End,% to, % to, % to,,,,,Starting,Ending\n"
         "Code,crop, Date,Date,Area,Dept,R.Dep,Depl,H.C,Water,Depl,W. "
         "Freq,G.C,G.Co,G.C,G.C,C.C,C.C,C.C,C.C,Date B, Date C, Date "
         "D,Kc1,Kc2,Kc3,Ks,Date,Date,Pre-Irr\n"
         ",, DOY,DOY,hectares,mm,mm,fraction,mm/mm,mm,mm,day,%,%,%,%,DOY,DOY,DOY,DOY,,,,(),(),(),,"
         "DOY,DOY,(),()\n";
}

std::string FormatCropRow(const CropRow& row) {
  return Printf(
      "%s,%s,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.3f,%8.3f,%8.3f,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,"
      "%4d,%4d,%4d,%8.2f,%8.2f,%8.2f,%8.2f,%4d,%4d,%s,%5d\n",
      row.code.c_str(), row.name.c_str(), row.planting_doy, row.ending_doy, row.area_ha,
      row.max_soil_depth_mm, row.max_root_depth_mm, row.allowable_depletion_pct,
      row.available_water, row.plant_available_water_mm, row.yield_threshold_mm,
      row.wetting_frequency_days, row.ground_cover_pct[0], row.ground_cover_pct[1],
      row.ground_cover_pct[2], row.ground_cover_pct[3], row.cover_crop_doy[0],
      row.cover_crop_doy[1], row.cover_crop_doy[2], row.cover_crop_doy[3], row.stage_pct[0],
      row.stage_pct[1], row.stage_pct[2], row.kc[0], row.kc[1], row.kc[2], row.ks,
      row.stress_begin_doy, row.stress_end_doy, row.pre_irrigated.c_str(), row.row_marker);
}

CropRow ParseCropRow(std::string_view line) {
  const auto f = SplitFieldsFromRight(line, kCropRowFieldCount);
  CropRow row;
  row.code = std::string(Trim(f[0]));
  row.name = std::string(Trim(f[1]));
  row.planting_doy = ParseInt(f[2]);
  row.ending_doy = ParseInt(f[3]);
  row.area_ha = ParseInt(f[4]);
  row.max_soil_depth_mm = ParseFloat(f[5]);
  row.max_root_depth_mm = ParseFloat(f[6]);
  row.allowable_depletion_pct = ParseFloat(f[7]);
  row.available_water = ParseFloat(f[8]);
  row.plant_available_water_mm = ParseFloat(f[9]);
  row.yield_threshold_mm = ParseFloat(f[10]);
  row.wetting_frequency_days = ParseInt(f[11]);
  for (size_t i = 0; i < 4; ++i) row.ground_cover_pct[i] = ParseInt(f[12 + i]);
  for (size_t i = 0; i < 4; ++i) row.cover_crop_doy[i] = ParseInt(f[16 + i]);
  for (size_t i = 0; i < 3; ++i) row.stage_pct[i] = ParseInt(f[20 + i]);
  for (size_t i = 0; i < 3; ++i) row.kc[i] = ParseFloat(f[23 + i]);
  row.ks = ParseFloat(f[26]);
  row.stress_begin_doy = ParseInt(f[27]);
  row.stress_end_doy = ParseInt(f[28]);
  row.pre_irrigated = std::string(Trim(f[29]));
  row.row_marker = ParseInt(f[30]);
  return row;
}

std::optional<CropFile> ReadCropFile(const std::filesystem::path& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  CropFile file{text->name, {}};
  for (size_t i = kHeaderLineCount; i < text->lines.size(); ++i) {
    if (IsBlankLine(text->lines[i])) continue;
    try {
      file.rows.push_back(ParseCropRow(text->lines[i]));
    } catch (...) {
      RethrowWithLocation(file.name, static_cast<int>(i + 1));
    }
  }
  return file;
}

}  // namespace kelvaro
