#include "crops/crop_row.h"

#include <algorithm>
#include <cctype>

#include "crops/crop_row_checks.h"
#include "weatherio/errors.h"
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
  // Fields are taken from the right, so an extra comma would pass its field on to the code.
  const auto fields = std::count(line.begin(), line.end(), ',') + 1;
  if (fields > kCropRowFieldCount) {
    throw InputError("the row has " + std::to_string(fields) + " fields where " +
                     std::to_string(kCropRowFieldCount) +
                     " are expected: a crop name or code may not contain a comma");
  }
  const auto f = SplitFieldsFromRight(line, kCropRowFieldCount);
  const auto number = [&f](size_t i, const char* field) { return ParseColumnFloat(f[i], field); };
  const auto whole = [&f](size_t i, const char* field) { return ParseColumnInt(f[i], field); };
  CropRow row;
  row.code = std::string(Trim(f[0]));
  row.name = std::string(Trim(f[1]));
  row.planting_doy = whole(2, "planting day");
  row.ending_doy = whole(3, "ending day");
  row.area_ha = whole(4, "area");
  row.max_soil_depth_mm = number(5, "maximum soil depth");
  row.max_root_depth_mm = number(6, "maximum rooting depth");
  row.allowable_depletion_pct = number(7, "allowable depletion");
  row.available_water = number(8, "available water");
  row.plant_available_water_mm = number(9, "plant-available water");
  row.yield_threshold_mm = number(10, "yield-threshold depletion");
  row.wetting_frequency_days = whole(11, "wetting frequency");
  constexpr const char* kCovers[] = {"ground cover on date B", "ground cover on date C",
                                     "ground cover on date D", "ground cover on date E"};
  for (size_t i = 0; i < 4; ++i) row.ground_cover_pct[i] = whole(12 + i, kCovers[i]);
  constexpr const char* kCoverDays[] = {"cover crop 1 begin", "cover crop 1 end",
                                        "cover crop 2 begin", "cover crop 2 end"};
  for (size_t i = 0; i < 4; ++i) row.cover_crop_doy[i] = whole(16 + i, kCoverDays[i]);
  constexpr const char* kStages[] = {"percent of season to date B", "percent of season to date C",
                                     "percent of season to date D"};
  for (size_t i = 0; i < 3; ++i) row.stage_pct[i] = whole(20 + i, kStages[i]);
  constexpr const char* kKcs[] = {"Kc1", "Kc2", "Kc3"};
  for (size_t i = 0; i < 3; ++i) row.kc[i] = number(23 + i, kKcs[i]);
  row.ks = number(26, "Ks");
  row.stress_begin_doy = whole(27, "stress begin");
  row.stress_end_doy = whole(28, "stress end");
  row.pre_irrigated = std::string(Trim(f[29]));
  row.row_marker = ParseInt(f[30]);
  return row;
}

std::optional<CropFile> ReadCropFile(const std::filesystem::path& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  CropFile file{text->name, {}, {}};
  for (size_t i = kHeaderLineCount; i < text->lines.size(); ++i) {
    if (IsBlankLine(text->lines[i])) continue;
    try {
      CropRow row = ParseCropRow(text->lines[i]);
      CheckCropRow(row);
      file.rows.push_back(std::move(row));
      file.line_numbers.push_back(static_cast<int>(i + 1));
    } catch (...) {
      RethrowWithLocation(LineLocation(file.name, static_cast<int>(i + 1)) + " (crop " +
                          std::to_string(file.rows.size() + 1) + ")");
    }
  }
  return file;
}

}  // namespace kelvaro
