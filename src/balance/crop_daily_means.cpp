#include "balance/crop_daily_means.h"

#include <cmath>

#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/physical_bounds.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

constexpr int kDailyColumns = 15;
// ETo times a Kc of at most 2.
constexpr PhysicalBounds kEtcBounds{2.0f * kEtoBounds.lowest, 2.0f * kEtoBounds.highest, "mm"};

// A value the water balance can have written: within the weather's bounds, and never -999,
// which the balance replaces before it writes a day.
float ParseBalanceValue(std::string_view text, std::string_view column,
                        const PhysicalBounds& bounds) {
  const float value = ParseColumnFloat(text, column);
  if (IsMissing(value)) {
    throw InputError(std::string(column) + " is -999, which the water balance never writes");
  }
  CheckWeatherValue(column, value, bounds);
  return value;
}

struct DailyRow {
  int doy = 0;
  DailyMeanValues values;
};

DailyRow ParseDailyRow(const std::string& line) {
  const auto f = SplitFieldsFromRight(line, kDailyColumns);
  DailyRow row;
  row.doy = ParseColumnInt(f[1], "DOY");
  if (row.doy < 1 || row.doy > 366) {
    throw InputError("day number " + std::to_string(row.doy) + " is outside 1..366");
  }
  row.values.okc = ParseColumnFloat(f[2], "OKc");
  row.values.ikc = ParseColumnFloat(f[3], "IKc");
  row.values.cckc = ParseColumnFloat(f[4], "CCKc");
  row.values.eto = ParseBalanceValue(f[5], "ETo", kEtoBounds);
  row.values.etc = ParseBalanceValue(f[7], "ETc", kEtcBounds);
  row.values.pcp = ParseBalanceValue(f[8], "Pcp", kDailyRainBounds);
  return row;
}

void ReadCropLine(const TextFile& file, CropDailyMeans& means) {
  const std::string& first = file.lines.empty() ? std::string() : file.lines.front();
  const auto comma = first.rfind(',');
  if (comma == std::string::npos) {
    throw InputError(LineLocation(file.name, 1) +
                     ": the first line should hold the crop name and code, separated by a comma");
  }
  means.crop_name = std::string(Trim(std::string_view(first).substr(0, comma)));
  means.crop_code = std::string(Trim(std::string_view(first).substr(comma + 1)));
}

// Sums stay finite, so every mean is a number.
void Add(DailyMeanValues& sum, const DailyMeanValues& day) {
  sum.okc += day.okc;
  sum.ikc += day.ikc;
  sum.cckc += day.cckc;
  sum.eto += day.eto;
  sum.etc += day.etc;
  sum.pcp += day.pcp;
  for (float value : {sum.okc, sum.ikc, sum.cckc, sum.eto, sum.etc, sum.pcp}) {
    if (!std::isfinite(value)) throw InputError("values too large to sum");
  }
}

void Divide(DailyMeanValues& sum, float count) {
  sum.okc /= count;
  sum.ikc /= count;
  sum.cckc /= count;
  sum.eto /= count;
  sum.etc /= count;
  sum.pcp /= count;
}

}  // namespace

std::optional<CropDailyMeans> ReadCropDailyMeans(const std::filesystem::path& path) {
  const auto file = ReadTextFile(path);
  if (!file) return std::nullopt;
  CropDailyMeans means;
  means.file_name = file->name;
  ReadCropLine(*file, means);
  ParseDataLines(*file, [&means](const std::string& line) {
    const DailyRow row = ParseDailyRow(line);
    Add(means.days[static_cast<size_t>(row.doy)], row.values);
    if (row.doy == 1) ++means.year_count;
    return row.doy;
  });
  if (means.year_count == 0) {
    throw InputError(file->name + " holds no row of day 1, so its years cannot be counted");
  }
  for (int doy = 1; doy <= 366; ++doy) {
    Divide(means.days[static_cast<size_t>(doy)], static_cast<float>(means.year_count));
  }
  return means;
}

}  // namespace kelvaro
